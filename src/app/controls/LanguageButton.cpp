#include "app/controls/LanguageButton.h"

#include "app/controls/Alert.h"
#include "core/common/strings.h"

#include <QActionGroup>
#include <QMenu>

LanguageButton::LanguageButton(QWidget *parent) : QToolButton(parent)
{
    setObjectName(QStringLiteral("languageButton"));
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setText(tvk::interfaceLanguage().toUpper());
    setToolTip(tvk::text("language.choose"));
    setAccessibleName(tvk::text("language.choose"));
    auto *menu = new QMenu(this);
    auto *group = new QActionGroup(menu);
    // Each language is named in its own words, so that a reader of either finds it.
    const QList<QPair<QString, QString>> choices{{QString(), tvk::text("language.system")},
                                                 {QStringLiteral("en"), QStringLiteral("English")},
                                                 {QStringLiteral("ko"), QStringLiteral("한국어")}};
    for (const auto &[code, name] : choices) {
        QAction *action = menu->addAction(name);
        action->setData(code);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = code] { choose(code); });
        m_choices << action;
    }
    setMenu(menu);
    updateChecks();
}

void LanguageButton::choose(const QString &language)
{
    const QString before = tvk::interfaceLanguage();
    tvk::setChosenLanguage(language);
    updateChecks();
    const QString after = tvk::interfaceLanguage();
    if (after == before)
        return;
    emit languageChanged(after);
    showAlert(window(), tvk::text("language.choose"), tvk::text("language.restart"));
}

void LanguageButton::updateChecks()
{
    const QString chosen = tvk::chosenLanguage();
    for (QAction *action : std::as_const(m_choices))
        action->setChecked(action->data().toString() == chosen);
}
