#include "core/common/result.h"

#include "core/common/strings.h"

#include <cstring>

namespace tvk {

QString Failure::message() const
{
    QString text = tvk::text(key);
    for (const QString &arg : args)
        text = text.arg(arg);
    return text;
}

QString Failure::text() const
{
    QString line = message();
    if (!reason.isEmpty()) {
        // "... for writing: No space left on device", not "... for writing.: No space ..."
        if (line.endsWith(u'.'))
            line.chop(1);
        line += QStringLiteral(": ") + reason;
    }
    return subject.isEmpty() ? line : subject + QStringLiteral(": ") + line;
}

bool Failure::operator==(const Failure &other) const
{
    const bool sameKey = key == other.key || (key && other.key && std::strcmp(key, other.key) == 0);
    return sameKey && subject == other.subject && reason == other.reason && args == other.args &&
           code == other.code;
}

} // namespace tvk
