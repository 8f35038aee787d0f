// tavik-tool timeset OUT [--at "yyyy/MM/dd HH:mm:ss"]: writes the camera's clock file.
#include "core/card/TimeSetFile.h"
#include "core/catalogue/nameyears.h"
#include "core/common/strings.h"
#include "tool/command.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

const QCommandLineOption kAt(QStringLiteral("at"),
                             QStringLiteral("tool.help.timeset_set_the_clock"),
                             QStringLiteral("yyyy/MM/dd HH:mm:ss"));

int runTimeset(const QCommandLineParser &line)
{
    const QString output = line.positionalArguments().first();
    const QString at = line.value(kAt);

    // The time of the computer's own zone, as the clock window takes it. A given time is
    // written as it stands, even one that a summer-time change skips.
    const QDateTime now = QDateTime::currentDateTime();
    QDate date = now.date();
    QTime time = now.time();
    if (line.isSet(kAt)) {
        static const QRegularExpression pattern(
            QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
        date = QDate::fromString(at.left(10), QStringLiteral("yyyy/MM/dd"));
        time = QTime::fromString(at.mid(11), QStringLiteral("HH:mm:ss"));
        if (!pattern.match(at).hasMatch() || !date.isValid() || !time.isValid())
            return toolUsageError(tvk::text("tool.timeset_bad_time").arg(at));
        // The camera names its recordings after its clock: a year no name can hold is refused.
        if (date.year() < kFirstNameYear || date.year() > kLastNameYear)
            return toolUsageError(
                QStringLiteral("--at \"%1\": ").arg(at) +
                tvk::text("msg.year_out_of_range").arg(kFirstNameYear).arg(kLastNameYear));
    }
    if (const auto written = writeTimesetFile(output, date, time); !written)
        return toolFailure(written.failure().text());
    toolOut() << output << ": " << QString::fromLatin1(*timesetText(date, time)) << '\n';
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("timeset"),
    QStringLiteral("timeset OUT [--at \"yyyy/MM/dd HH:mm:ss\"]"),
    QStringLiteral("tool.help.timeset_writes_the_camera"),
    {kAt},
    {{QStringLiteral("OUT"), QStringLiteral("tool.help.timeset_the_file_to")}},
    runTimeset,
}};

} // namespace
