// tavik-tool config: shows, edits and creates the camera's settings file config.bin.
#include "command.h"
#include "common/strings.h"
#include "settings/filedatafields.h"
#include "settings/settingsrecord.h"
#include "settings/settingvalues.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kUsage = QStringLiteral(
    "usage: config show FILE [--json] | config set FILE NAME=VALUE... | config defaults OUT");

// Only a file of exactly 428 bytes is a settings file, as on the card.
bool loadRecord(const QString &path, _FILEDATA &record, QString *error)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    if (info.size() != _FILEDATA::kSize) {
        *error = QStringLiteral("%1: %2 bytes, a settings file has %3")
                     .arg(path)
                     .arg(info.size())
                     .arg(_FILEDATA::kSize);
        return false;
    }
    if (!readRecord(path, record)) {
        *error = QStringLiteral("%1: cannot be read").arg(path);
        return false;
    }
    return true;
}

QString valueText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QVariantList) {
        QStringList words;
        for (const QVariant &word : value.toList())
            words.append(word.toString());
        return words.join(u' ');
    }
    return value.toString();
}

int show(const QStringList &args)
{
    const bool json = args.contains(QStringLiteral("--json"));
    QStringList paths = args;
    paths.removeAll(QStringLiteral("--json"));
    if (paths.size() != 1 || paths.first().startsWith(u'-'))
        return toolUsageError(kUsage);
    _FILEDATA record{};
    QString error;
    if (!loadRecord(paths.first(), record, &error))
        return toolFailure(error);

    if (json) {
        QJsonObject object;
        for (const FileDataField &field : fileDataFields())
            object.insert(field.name,
                          QJsonValue::fromVariant(fileDataFieldValue(record, field.name)));
        toolOut() << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        return 0;
    }
    for (const FileDataField &field : fileDataFields())
        toolOut() << field.name << " = " << valueText(fileDataFieldValue(record, field.name))
                  << '\n';
    toolOut() << "# checksum "
              << (computeChecksum(record) == record.checksum ? "matches" : "differs") << '\n';
    return 0;
}

int set(const QStringList &args)
{
    if (args.size() < 2)
        return toolUsageError(kUsage);
    const QString path = args.first();
    _FILEDATA record{};
    QString error;
    if (!loadRecord(path, record, &error))
        return toolFailure(error);

    QStringList problems;
    for (const QString &assignment : args.mid(1)) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals <= 0) {
            problems.append(QStringLiteral("%1: expected NAME=VALUE").arg(assignment));
            continue;
        }
        if (auto message =
                setSettingValue(record, assignment.left(equals), assignment.mid(equals + 1)))
            problems.append(*message);
    }
    if (!problems.isEmpty()) {
        for (const QString &problem : std::as_const(problems))
            toolErr() << "tavik-tool: " << problem << Qt::endl;
        return 1;
    }
    applySaveStep(record);
    if (const char *key = writeRecord(record, path))
        return toolFailure(QStringLiteral("%1: %2").arg(path, tvk::text(key)));
    return 0;
}

int defaults(const QStringList &args)
{
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return toolUsageError(kUsage);
    if (const char *key = writeDefaultSettingsFile(args.first()))
        return toolFailure(QStringLiteral("%1: %2").arg(args.first(), tvk::text(key)));
    return 0;
}

int runConfig(const QStringList &args)
{
    const QString action = args.value(0);
    if (action == QLatin1String("show"))
        return show(args.mid(1));
    if (action == QLatin1String("set"))
        return set(args.mid(1));
    if (action == QLatin1String("defaults"))
        return defaults(args.mid(1));
    return toolUsageError(kUsage);
}

const ToolCommandRegistration registration{
    {"config", "config show FILE [--json] | set FILE NAME=VALUE... | defaults OUT", runConfig}};

} // namespace
