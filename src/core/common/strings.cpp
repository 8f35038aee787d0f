#include "core/common/strings.h"

#include "core/common/log.h"

#include <QCoreApplication>
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

bool installStringTable()
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return false;
    QStringList languages = QSettings().value(QLatin1String(kPreferredLanguagesKey)).toStringList();
    languages << QStringLiteral("en");
    for (const QString &language : std::as_const(languages)) {
        auto *translator = new QTranslator(app);
        if (translator->load(QStringLiteral(":/i18n/tavik_%1.qm").arg(language))) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

void recordPreferredLanguages(QSettings &settings)
{
    const QStringList stored = settings.value(QLatin1String(kPreferredLanguagesKey)).toStringList();
    for (const QString &language : stored)
        log(QStringLiteral("SUPPORT_LANGUAGE=%1").arg(language));
    settings.setValue(QLatin1String(kPreferredLanguagesKey), QStringList{QStringLiteral("en")});
}

} // namespace tvk
