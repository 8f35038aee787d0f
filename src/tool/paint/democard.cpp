// tavik-tool demo-card DIR [--minutes M] [--seconds S] [--seed N]: a sample camera card.
#include "writers/democard/DemoCard.h"

#include "tool/command.h"
#include "tool/paint/picturecommands.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

const QCommandLineOption kMinutes(QStringLiteral("minutes"),
                                  QStringLiteral("Length of each recording in minutes."),
                                  QStringLiteral("M"));
const QCommandLineOption kSeconds(QStringLiteral("seconds"),
                                  QStringLiteral("Length of each recording in seconds."),
                                  QStringLiteral("S"));
const QCommandLineOption kSeed(QStringLiteral("seed"),
                               QStringLiteral("Seed of the traffic and the noise."),
                               QStringLiteral("N"));

// Reads the options into `options`; an empty answer means they were all good.
QString readOptions(const QCommandLineParser &line, DemoCard::Options &options)
{
    for (const QCommandLineOption *option : {&kMinutes, &kSeconds, &kSeed}) {
        if (!line.isSet(*option))
            continue;
        const QString value = line.value(*option);
        bool ok = false;
        const qulonglong number = value.toULongLong(&ok);
        if (option == &kSeed) {
            options.seed = number;
        } else {
            // Checked before the product, which could wrap around to a small number.
            const bool fits = option == &kSeconds || number <= 60;
            const qulonglong seconds = option == &kMinutes ? number * 60 : number;
            // Short recordings keep tests quick; below a few seconds there is no drive.
            ok = ok && fits && seconds >= 4 && seconds <= 3600;
            options.slotSeconds = int(seconds);
        }
        if (!ok)
            return QStringLiteral("--%1: bad value \"%2\" (recordings last 4 s to 60 min)")
                .arg(option->names().first(), value);
    }
    return QString();
}

int runDemoCard(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    DemoCard::Options options;
    if (const QString problem = readOptions(line, options); !problem.isEmpty())
        return toolUsageError(problem);

    QElapsedTimer clock;
    clock.start();
    const DemoCard card(options);
    const QString error =
        card.write(folder, [](const QString &file) { toolOut() << "wrote " << file << Qt::endl; });
    if (!error.isEmpty())
        return toolFailure(error);
    qint64 bytes = 0;
    int files = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++files)
        bytes += QFileInfo(it.next()).size();
    toolOut() << "sample card in " << QFileInfo(folder).absoluteFilePath() << ": " << files
              << " files, " << QString::number(double(bytes) / 1e6, 'f', 1) << " MB, "
              << QString::number(double(clock.elapsed()) / 1000, 'f', 1) << " s\n";
    return 0;
}

const ToolCommandRegistration registration{{
    demoCardCommand().name,
    demoCardCommand().usage,
    demoCardCommand().description,
    {kMinutes, kSeconds, kSeed},
    {{QStringLiteral("DIR"), QStringLiteral("The folder to write the card into.")}},
    runDemoCard,
}};

} // namespace
