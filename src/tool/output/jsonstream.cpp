#include "tool/output/jsonstream.h"

#include <QIODevice>
#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

constexpr qsizetype kFlushSize = 1 << 16;

bool needsEscape(unsigned char u)
{
    return u < 0x20 || u == '"' || u == '\\';
}

void appendEscape(QByteArray &out, unsigned char u)
{
    static const char hex[] = "0123456789abcdef";
    out.append('\\');
    switch (u) {
    case '"':
    case '\\':
        out.append(char(u));
        break;
    case '\b':
        out.append('b');
        break;
    case '\f':
        out.append('f');
        break;
    case '\n':
        out.append('n');
        break;
    case '\r':
        out.append('r');
        break;
    case '\t':
        out.append('t');
        break;
    default:
        out.append("u00").append(hex[u >> 4]).append(hex[u & 15]);
    }
}

// Copies runs of plain bytes whole: names and paths rarely hold anything to escape.
void appendEscaped(QByteArray &out, QByteArrayView utf8)
{
    out.append('"');
    const char *run = utf8.data();
    const char *const end = run + utf8.size();
    for (const char *p = run; p != end; ++p) {
        const auto u = static_cast<unsigned char>(*p);
        if (!needsEscape(u))
            continue;
        out.append(run, p - run);
        appendEscape(out, u);
        run = p + 1;
    }
    out.append(run, end - run);
    out.append('"');
}

// Whether every character is ASCII with nothing to escape. No early exit, so that the
// compiler can check many characters per step.
bool isPlainAscii(QStringView text)
{
    bool plain = true;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        plain &= u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\';
    }
    return plain;
}

// Plain ASCII goes straight into the buffer; anything else through UTF-8.
void appendEscaped(QByteArray &out, QStringView text)
{
    if (!isPlainAscii(text)) {
        appendEscaped(out, QByteArrayView(text.toUtf8()));
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + text.size() + 2);
    char *p = out.data() + start;
    *p++ = '"';
    const char16_t *from = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i)
        p[i] = char(from[i]);
    p[text.size()] = '"';
}

} // namespace

JsonStream::JsonStream(QIODevice *device) : m_device(device)
{
    m_buffer.reserve(kFlushSize + 4096);
}

JsonStream::~JsonStream()
{
    flush();
}

void JsonStream::element()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasElements.isEmpty()) {
        if (m_hasElements.last())
            m_buffer.append(',');
        m_hasElements.last() = true;
    }
}

JsonStream &JsonStream::beginObject()
{
    element();
    m_buffer.append('{');
    m_hasElements.append(false);
    return *this;
}

JsonStream &JsonStream::endObject()
{
    m_buffer.append('}');
    m_hasElements.removeLast();
    maybeFlush();
    return *this;
}

JsonStream &JsonStream::beginArray()
{
    element();
    m_buffer.append('[');
    m_hasElements.append(false);
    return *this;
}

JsonStream &JsonStream::endArray()
{
    m_buffer.append(']');
    m_hasElements.removeLast();
    maybeFlush();
    return *this;
}

void JsonStream::keyText(QStringView text)
{
    element();
    appendEscaped(m_buffer, text);
    m_buffer.append(':');
    m_afterKey = true;
}

void JsonStream::keyText(QByteArrayView utf8)
{
    element();
    appendEscaped(m_buffer, utf8);
    m_buffer.append(':');
    m_afterKey = true;
}

JsonStream &JsonStream::key(const char *name)
{
    keyText(QByteArrayView(name, qsizetype(qstrlen(name))));
    return *this;
}

JsonStream &JsonStream::key(QStringView name)
{
    keyText(name);
    return *this;
}

JsonStream &JsonStream::string(QStringView text)
{
    element();
    appendEscaped(m_buffer, text);
    return *this;
}

JsonStream &JsonStream::utf8String(QByteArrayView utf8)
{
    element();
    appendEscaped(m_buffer, utf8);
    return *this;
}

JsonStream &JsonStream::number(double value)
{
    element();
    if (std::isfinite(value))
        m_buffer.append(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
    else
        m_buffer.append("null");
    return *this;
}

JsonStream &JsonStream::integer(qint64 value)
{
    element();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_buffer.append(digits, end - digits);
    return *this;
}

JsonStream &JsonStream::boolean(bool value)
{
    element();
    m_buffer.append(value ? "true" : "false");
    return *this;
}

JsonStream &JsonStream::null()
{
    element();
    m_buffer.append("null");
    return *this;
}

JsonStream &JsonStream::newline()
{
    m_buffer.append('\n');
    return *this;
}

void JsonStream::maybeFlush()
{
    if (m_buffer.size() >= kFlushSize)
        flush();
}

bool JsonStream::flush()
{
    if (!m_buffer.isEmpty() && !m_failed)
        m_failed = m_device->write(m_buffer) != m_buffer.size();
    m_buffer.truncate(0); // keeps the capacity for the next run of output
    return !m_failed;
}
