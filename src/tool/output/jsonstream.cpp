#include "jsonstream.h"

#include <QIODevice>
#include <QLocale>

#include <cmath>

namespace {

constexpr qsizetype kFlushSize = 1 << 16;

void appendEscaped(QByteArray &out, const QByteArray &utf8)
{
    static const char hex[] = "0123456789abcdef";
    out.append('"');
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\') {
            out.append(c);
            continue;
        }
        out.append('\\');
        switch (c) {
        case '"':
            out.append('"');
            break;
        case '\\':
            out.append('\\');
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
    out.append('"');
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

void JsonStream::keyText(const QByteArray &utf8)
{
    element();
    appendEscaped(m_buffer, utf8);
    m_buffer.append(':');
    m_afterKey = true;
}

JsonStream &JsonStream::key(const char *name)
{
    keyText(QByteArray::fromRawData(name, qsizetype(qstrlen(name))));
    return *this;
}

JsonStream &JsonStream::key(const QString &name)
{
    keyText(name.toUtf8());
    return *this;
}

JsonStream &JsonStream::string(const QString &text)
{
    element();
    appendEscaped(m_buffer, text.toUtf8());
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
    m_buffer.append(QByteArray::number(value));
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
    m_buffer.clear();
    return !m_failed;
}
