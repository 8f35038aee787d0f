#include "tool/outputfile.h"

#include "core/common/replacefile.h"
#include "core/common/strings.h"
#include "tool/command.h"

#include <QFile>

tvk::Result<void> writeOutputFile(const QString &path,
                                  const std::function<tvk::Result<void>(QIODevice &)> &write)
{
    if (path != QLatin1String("-"))
        return replaceFile(path, write);
    toolOut().flush();
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly) && write(out) && out.flush())
        return {};
    return tvk::Failure{QT_TRID_NOOP("msg.file_open_fail"), tvk::text("tool.standard_output"),
                        out.errorString()};
}

QString outputFailureText(const tvk::Failure &failure)
{
    if (failure.code == kNotReplacedCode)
        return tvk::Failure{QT_TRID_NOOP("tool.output_not_replaced"), failure.subject}.text();
    return tvk::Failure{
        QT_TRID_NOOP("msg.system_words"), failure.subject, {}, {failure.reasonOrMessage()}}
        .text();
}
