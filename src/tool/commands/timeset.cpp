// tavik-tool timeset OUT [--at "yyyy/MM/dd HH:mm:ss"]: writes the camera's clock file.
#include "card/timesetfile.h"
#include "command.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

const QString kUsage = QStringLiteral("usage: timeset OUT [--at \"yyyy/MM/dd HH:mm:ss\"]");

int runTimeset(const QStringList &args)
{
    QString output;
    QString at;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--at") && i + 1 < args.size() && at.isEmpty())
            at = args.at(++i);
        else if (args.at(i).startsWith(u'-') || !output.isEmpty())
            return toolUsageError(kUsage);
        else
            output = args.at(i);
    }
    if (output.isEmpty())
        return toolUsageError(kUsage);

    // The time of the computer's own zone, as the clock window takes it. A given time is
    // written as it stands, even one that a summer-time change skips.
    const QDateTime now = QDateTime::currentDateTime();
    QDate date = now.date();
    QTime time = now.time();
    if (!at.isEmpty()) {
        static const QRegularExpression pattern(
            QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
        date = QDate::fromString(at.left(10), QStringLiteral("yyyy/MM/dd"));
        time = QTime::fromString(at.mid(11), QStringLiteral("HH:mm:ss"));
        if (!pattern.match(at).hasMatch() || !date.isValid() || !time.isValid())
            return toolUsageError(
                QStringLiteral("--at \"%1\": expected yyyy/MM/dd HH:mm:ss").arg(at));
    }
    if (auto error = writeTimesetFile(output, date, time))
        return toolFailure(*error);
    toolOut() << output << ": " << QString::fromLatin1(*timesetText(date, time)) << '\n';
    return 0;
}

const ToolCommandRegistration registration{
    {"timeset", "timeset OUT [--at \"yyyy/MM/dd HH:mm:ss\"]", runTimeset}};

} // namespace
