// tavik-tool telemetry FILE... [--json|--csv|--gpx|--kml]: the telemetry embedded in recordings.
// Several files are extracted at once on every core and written in the order given.
#include "core/common/strings.h"
#include "core/telemetry/BlackBoxData.h"
#include "tool/command.h"
#include "tool/output/telemetryformats.h"

#include <QFile>
#include <QThread>
#include <QtConcurrent>

#include <deque>

namespace {

struct Extraction
{
    std::optional<tvk::Failure> failure; // none when the file was a recording
    RecordedTelemetryPtr telemetry;
};

Extraction extract(const QString &path)
{
    BlackBoxData blackBox;
    const tvk::Result<void> done =
        blackBox.ExtractStreamInformation(QFile::encodeName(path).constData());
    return {done ? std::nullopt : std::optional(done.failure()), blackBox.snapshot()};
}

QStringList formatOptionNames()
{
    QStringList names;
    for (const TelemetryFormat &format : telemetryFormats())
        names.append(QLatin1String("--") + format.option);
    return names;
}

QList<QCommandLineOption> formatOptions()
{
    QList<QCommandLineOption> options;
    for (const TelemetryFormat &format : telemetryFormats())
        options.append(QCommandLineOption(format.option, format.description));
    return options;
}

const TelemetryFormat *chosenFormat(const QCommandLineParser &line)
{
    const TelemetryFormat *chosen = nullptr;
    for (const TelemetryFormat &format : telemetryFormats()) {
        if (!line.isSet(format.option))
            continue;
        if (chosen)
            return nullptr;
        chosen = &format;
    }
    return chosen ? chosen : &telemetryFormats().first();
}

int runTelemetry(const QCommandLineParser &line)
{
    const TelemetryFormat *format = chosenFormat(line);
    if (!format)
        return toolCommandUsageError(
            QStringLiteral("telemetry"),
            tvk::text("tool.choose_one_of").arg(formatOptionNames().join(QLatin1String(", "))));
    QStringList paths = line.positionalArguments();
    paths.removeDuplicates(); // a file is one entry of the output

    const std::unique_ptr<TelemetryWriter> writer = format->make(toolOutDevice(), paths.size() > 1);
    // A window of extractions runs ahead of the writer, which takes them in order.
    const qsizetype ahead = 2 * qsizetype(QThread::idealThreadCount()) + 1;
    std::deque<QFuture<Extraction>> running;
    qsizetype started = 0;
    int status = 0;
    for (const QString &path : std::as_const(paths)) {
        while (started < paths.size() && qsizetype(running.size()) < ahead)
            running.push_back(QtConcurrent::run(extract, paths.at(started++)));
        const Extraction done = running.front().result();
        running.pop_front();
        writer->recording(path, !done.failure, *done.telemetry);
        if (done.failure)
            status = toolFailure(done.failure->text());
        else if (done.telemetry->recovered)
            toolErr() << "tavik-tool: " << path << ": " << tvk::text("msg.telemetry_recovered")
                      << Qt::endl;
    }
    writer->finish();
    return status;
}

const ToolCommandRegistration registration{{
    QStringLiteral("telemetry"),
    QStringLiteral("telemetry FILE... [%1]").arg(formatOptionNames().join(u'|')),
    QStringLiteral("tool.help.telemetry_prints_the_telemetry"),
    formatOptions(),
    {{QStringLiteral("FILE..."), QStringLiteral("tool.help.telemetry_the_recordings_avi")}},
    runTelemetry,
    {},
    true,
}};

} // namespace
