// tavik-tool demo-card DIR [--minutes M] [--seconds S] [--seed N]: a sample camera card.
#include "democard/DemoCard.h"

#include "command.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

const char kUsage[] = "demo-card DIR [--minutes M] [--seconds S] [--seed N]";

int runDemoCard(const QStringList &args)
{
    QString folder;
    DemoCard::Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--minutes") || arg == QLatin1String("--seconds") ||
            arg == QLatin1String("--seed")) {
            bool ok = false;
            const QString value = i + 1 < args.size() ? args[++i] : QString();
            const qulonglong number = value.toULongLong(&ok);
            if (arg == QLatin1String("--seed")) {
                options.seed = number;
            } else {
                const qulonglong seconds = arg == QLatin1String("--minutes") ? number * 60 : number;
                // Short recordings keep tests quick; below a few seconds there is no drive.
                ok = ok && seconds >= 4 && seconds <= 3600;
                options.slotSeconds = int(seconds);
            }
            if (!ok)
                return toolUsageError(
                    QStringLiteral("%1: bad value \"%2\" (recordings last 4 s to 60 min)")
                        .arg(arg, value));
        } else if (arg.startsWith(u'-') || !folder.isEmpty()) {
            return toolUsageError(QStringLiteral("usage: %1").arg(QLatin1String(kUsage)));
        } else {
            folder = arg;
        }
    }
    if (folder.isEmpty())
        return toolUsageError(QStringLiteral("usage: %1").arg(QLatin1String(kUsage)));

    QElapsedTimer clock;
    clock.start();
    const DemoCard card(options);
    const QString error =
        card.write(folder, [](const QString &line) { toolOut() << "wrote " << line << Qt::endl; });
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

const ToolCommandRegistration registration{{"demo-card", kUsage, runDemoCard, true}};

} // namespace
