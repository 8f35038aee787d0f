// tavik-tool demo-card DIR [--minutes M] [--seconds S] [--seed N]: a sample camera card.
#include "writers/democard/DemoCard.h"

#include "core/common/strings.h"
#include "tool/command.h"
#include "tool/paint/picturecommands.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

const QCommandLineOption kMinutes(QStringLiteral("minutes"),
                                  QStringLiteral("tool.help.democard_minutes"),
                                  QStringLiteral("M"));
const QCommandLineOption kSeconds(QStringLiteral("seconds"),
                                  QStringLiteral("tool.help.democard_seconds"),
                                  QStringLiteral("S"));
const QCommandLineOption kSeed(QStringLiteral("seed"),
                               QStringLiteral("tool.help.democard_seed_of_the"),
                               QStringLiteral("N"));

tvk::Result<DemoCard::Options> readOptions(const QCommandLineParser &line)
{
    DemoCard::Options options;
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
            return tvk::Failure{
                "tool.democard_bad_length", {}, {}, {option->names().first(), value}};
    }
    return options;
}

int runDemoCard(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    const tvk::Result<DemoCard::Options> options = readOptions(line);
    if (!options)
        return toolUsageError(options.failure().message());

    QElapsedTimer clock;
    clock.start();
    const DemoCard card(*options);
    const tvk::Result<void> written = card.write(folder, [](const QString &file) {
        toolOut() << tvk::text("tool.democard_wrote").arg(file) << Qt::endl;
    });
    if (!written)
        return toolFailure(written.failure().text());
    qint64 bytes = 0;
    int files = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++files)
        bytes += QFileInfo(it.next()).size();
    toolOut() << tvk::text("tool.democard_done")
                     .arg(QFileInfo(folder).absoluteFilePath(), QString::number(files),
                          QString::number(double(bytes) / 1e6, 'f', 1),
                          QString::number(double(clock.elapsed()) / 1000, 'f', 1))
              << '\n';
    return 0;
}

const ToolCommandRegistration registration{{
    demoCardCommand().name,
    demoCardCommand().usage,
    demoCardCommand().description,
    {kMinutes, kSeconds, kSeed},
    {{QStringLiteral("DIR"), QStringLiteral("tool.help.democard_the_folder_to")}},
    runDemoCard,
}};

} // namespace
