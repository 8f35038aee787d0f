#include "core/common/textescape.h"

#include <QUrl>

#include <algorithm>

namespace tvk {

namespace {

bool isBidiControl(char32_t c)
{
    return (c >= 0x200e && c <= 0x200f) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xa || c == 0xd || (c >= 0x20 && c <= 0xd7ff) ||
           (c >= 0xe000 && c <= 0xfffd) || (c >= 0x10000 && c <= 0x10ffff);
}

} // namespace

QString terminalText(const QString &text)
{
    // Nearly every name is printable ASCII without a backslash: handed back as it is, since a
    // listing of a whole card goes through here once a recording.
    const bool plain = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\';
    });
    if (plain)
        return text;
    QString safe;
    safe.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c == u'\\')
            safe += QLatin1String("\\\\");
        else if (c < 0x20 || (c >= 0x7f && c <= 0x9f))
            safe += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else if (isBidiControl(c))
            safe += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            safe += QString::fromUcs4(&c, 1);
    }
    return safe;
}

QString xmlText(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    // toUcs4() turns a lone surrogate into U+FFFD already.
    for (const char32_t c : text.toUcs4()) {
        const char32_t kept = isXmlChar(c) ? c : char32_t(0xfffd);
        safe += QString::fromUcs4(&kept, 1);
    }
    return safe;
}

QByteArray csvTextCell(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && QByteArrayView("=+-@\t\r").contains(bytes.front()))
        bytes.prepend('\'');
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

QByteArray sha256sumLine(const QByteArray &hexSum, const QString &name)
{
    QByteArray bytes = name.toUtf8();
    const bool escaped = bytes.contains('\\') || bytes.contains('\n') || bytes.contains('\r');
    if (escaped)
        bytes.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r");
    return (escaped ? "\\" : "") + hexSum + "  " + bytes + '\n';
}

QString relativeHref(const QString &fileName)
{
    return QLatin1String("./") + QString::fromLatin1(QUrl::toPercentEncoding(fileName));
}

} // namespace tvk
