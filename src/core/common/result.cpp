#include "core/common/result.h"

#include "core/common/strings.h"

#include <cstring>

namespace tvk {

QString Failure::message() const
{
    // One pass: an argument that itself holds "%2" (a file name) is not filled in again.
    const QString pattern = tvk::text(key);
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype digit = i + 1;
        if (pattern[i] == u'%' && digit < pattern.size() && pattern[digit] >= u'1' &&
            pattern[digit] <= u'9') {
            const qsizetype n = pattern[digit].unicode() - u'1';
            if (n < args.size()) {
                text += args[n];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
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
