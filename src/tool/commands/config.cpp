// tavik-tool config: shows, edits and creates the camera's settings file config.bin.
#include "core/common/strings.h"
#include "core/settings/FileDataFields.h"
#include "core/settings/SettingValues.h"
#include "core/settings/SettingsRecord.h"
#include "tool/command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kUsage =
    QStringLiteral("config show FILE [--json] | set FILE NAME=VALUE... [--force] | defaults OUT");

QCommandLineOption forceOption()
{
    return QCommandLineOption(QStringLiteral("force"), QStringLiteral("tool.help.config_force"));
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

int show(const QString &path, bool json)
{
    const tvk::Result<SettingsRecord> loaded = readRecord(path);
    if (!loaded)
        return toolFailure(loaded.failure().text());
    const SettingsRecord &record = *loaded;

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
              << (record.checksum == 0      ? "not stamped (the camera's default file)"
                  : checksumIsWrong(record) ? "differs"
                                            : "matches")
              << '\n';
    return 0;
}

int set(const QStringList &args, bool force)
{
    const QString path = args.first();
    tvk::Result<SettingsRecord> loaded = readRecord(path);
    if (!loaded)
        return toolFailure(loaded.failure().text());
    SettingsRecord &record = *loaded;
    // Stamping a fresh checksum over bytes that fail theirs would pass garbage to the camera.
    if (checksumIsWrong(record) && !force)
        return toolFailure(tvk::Failure{QT_TRID_NOOP("msg.settings_checksum_wrong"), path}.text());

    QStringList problems;
    for (const QString &assignment : args.mid(1)) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals <= 0) {
            problems.append(
                tvk::Failure{QT_TRID_NOOP("msg.setting.expected_assignment"), assignment}.text());
            continue;
        }
        if (const auto set =
                setSettingValue(record, assignment.left(equals), assignment.mid(equals + 1));
            !set)
            problems.append(set.failure().text());
    }
    if (!problems.isEmpty()) {
        for (const QString &problem : std::as_const(problems))
            toolErr() << "tavik-tool: " << problem << Qt::endl;
        return 1;
    }
    applySaveStep(record);
    if (const auto written = writeRecord(record, path); !written)
        return toolFailure(written.failure().text());
    return 0;
}

int defaults(const QString &path)
{
    if (const auto written = writeDefaultSettingsFile(path); !written)
        return toolFailure(written.failure().text());
    return 0;
}

int runConfig(const QCommandLineParser &line)
{
    const QStringList args = line.positionalArguments();
    const QString action = args.first();
    const bool json = line.isSet(toolJsonOption());
    if (action == QLatin1String("show") && args.size() == 2)
        return show(args.at(1), json);
    if (action == QLatin1String("set") && args.size() > 2 && !json)
        return set(args.mid(1), line.isSet(forceOption()));
    if (action == QLatin1String("defaults") && args.size() == 2 && !json)
        return defaults(args.at(1));
    const bool known =
        QStringList{QStringLiteral("show"), QStringLiteral("set"), QStringLiteral("defaults")}
            .contains(action);
    return toolCommandUsageError(
        QStringLiteral("config"),
        tvk::text(known ? "msg.config.wrong_arguments" : "msg.config.unknown_action").arg(action));
}

const ToolCommandRegistration registration{{
    QStringLiteral("config"),
    kUsage,
    QStringLiteral("tool.help.config"),
    {toolJsonOption(), forceOption()},
    {{QStringLiteral("ACTION"), QStringLiteral("tool.help.config_action")},
     {QStringLiteral("FILE"), QStringLiteral("tool.help.config_file")},
     {QStringLiteral("[NAME=VALUE...]"), QStringLiteral("tool.help.config_changes")}},
    runConfig,
}};

} // namespace
