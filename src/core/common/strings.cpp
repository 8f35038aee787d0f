#include "core/common/strings.h"

#include "core/common/log.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace tvk {

QString text(const char *key)
{
    return qtTrId(key);
}

QString textFmt(const char *key, qint64 number)
{
    return qtTrId(key).arg(number);
}

void initApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tavik"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("tavik.example"));
    QCoreApplication::setApplicationName(QStringLiteral("TavikViewer"));
}

QStringList interfaceLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("ko")};
}

QString chosenLanguage()
{
    const QString stored = QSettings().value(QLatin1String(kLanguageKey)).toString();
    return interfaceLanguages().contains(stored) ? stored : QString();
}

void setChosenLanguage(const QString &language)
{
    QSettings settings;
    if (interfaceLanguages().contains(language))
        settings.setValue(QLatin1String(kLanguageKey), language);
    else
        settings.remove(QLatin1String(kLanguageKey));
}

QString languageFor(const QString &chosen, const QStringList &systemLanguages)
{
    if (interfaceLanguages().contains(chosen))
        return chosen;
    // "ko-KR", "ko_KR.UTF-8": the language is what comes before the region.
    for (const QString &language : systemLanguages) {
        const QString code =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (interfaceLanguages().contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QString interfaceLanguage()
{
    return languageFor(chosenLanguage(), QLocale::system().uiLanguages());
}

bool installStringTable()
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return false;
    static QList<QTranslator *> installed;
    for (QTranslator *translator : std::as_const(installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
    // Qt's own words (the command line's "Usage:", the standard dialogs' buttons) in the same
    // language; without them those stay English, which is no reason to refuse the language.
    if (const QString language = interfaceLanguage(); language != QLatin1String("en")) {
        auto *qt = new QTranslator(app);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            installed << qt;
        } else {
            log(QStringLiteral("Qt's own texts in %1 are not installed").arg(language));
            delete qt;
        }
    }
    // English goes in first so that a text missing from another table still reads in English:
    // the table installed last is asked first.
    QStringList languages{QStringLiteral("en")};
    const QString language = interfaceLanguage();
    if (language != languages.first())
        languages << language;
    for (const QString &name : std::as_const(languages)) {
        auto *translator = new QTranslator(app);
        if (!translator->load(QStringLiteral(":/i18n/tavik_%1.qm").arg(name))) {
            delete translator;
            return false;
        }
        QCoreApplication::installTranslator(translator);
        installed << translator;
    }
    return true;
}

void recordPreferredLanguages(QSettings &settings)
{
    const QStringList stored = settings.value(QLatin1String(kPreferredLanguagesKey)).toStringList();
    for (const QString &language : stored)
        log(QStringLiteral("SUPPORT_LANGUAGE=%1").arg(language));
    settings.setValue(QLatin1String(kPreferredLanguagesKey), QStringList{QStringLiteral("en")});
}

} // namespace tvk
