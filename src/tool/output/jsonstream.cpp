#include "tool/output/jsonstream.h"

#include <QIODevice>
#include <QLocale>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr qsizetype kFlushSize = 1 << 16;

bool needsEscape(unsigned char u)
{
    return u < 0x20 || u == '"' || u == '\\';
}

char *writeEscape(char *out, unsigned char u)
{
    static const char hex[] = "0123456789abcdef";
    *out++ = '\\';
    switch (u) {
    case '"':
    case '\\':
        *out++ = char(u);
        break;
    case '\b':
        *out++ = 'b';
        break;
    case '\f':
        *out++ = 'f';
        break;
    case '\n':
        *out++ = 'n';
        break;
    case '\r':
        *out++ = 'r';
        break;
    case '\t':
        *out++ = 't';
        break;
    default:
        *out++ = 'u';
        *out++ = '0';
        *out++ = '0';
        *out++ = hex[u >> 4];
        *out++ = hex[u & 15];
    }
    return out;
}

char *writeByte(char *out, char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (!needsEscape(u)) {
        *out = c;
        return out + 1;
    }
    return writeEscape(out, u);
}

// Names and paths rarely hold anything to escape, so where the processor has SSE2 (every
// x86-64 does) they are looked at sixteen characters at a time, and taken whole when none of
// them needs an escape. Other processors go one at a time.
#ifdef __SSE2__
constexpr qsizetype kBlock = 16;

// Whether any of sixteen bytes is below 0x20, a quote or a backslash.
bool blockNeedsEscape(__m128i bytes)
{
    const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(0x1f)), bytes);
    const __m128i quote = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'));
    const __m128i backslash = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\'));
    return _mm_movemask_epi8(_mm_or_si128(control, _mm_or_si128(quote, backslash))) != 0;
}

// Sixteen characters as bytes when all are ASCII with nothing to escape: packing turns every
// character above 0xff into 0 or 0xff, and a signed comparison sees 0x80 and up as negative.
bool plainBlock(const char16_t *in, __m128i *bytes)
{
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 8));
    *bytes = _mm_packus_epi16(low, high);
    const __m128i outside = _mm_cmplt_epi8(*bytes, _mm_set1_epi8(0x20));
    const __m128i quote = _mm_cmpeq_epi8(*bytes, _mm_set1_epi8('"'));
    const __m128i backslash = _mm_cmpeq_epi8(*bytes, _mm_set1_epi8('\\'));
    return _mm_movemask_epi8(_mm_or_si128(outside, _mm_or_si128(quote, backslash))) == 0;
}
#endif

} // namespace

JsonStream::JsonStream(QIODevice *device) : m_device(device)
{
    grow(kFlushSize + 4096);
}

JsonStream::~JsonStream()
{
    flush();
}

char *JsonStream::grow(qsizetype bytes)
{
    m_buffer.resize(std::max(m_buffer.size() * 2, m_used + bytes));
    m_data = m_buffer.data();
    m_capacity = m_buffer.size();
    return m_data + m_used;
}

void JsonStream::put(QByteArrayView bytes)
{
    std::memcpy(room(bytes.size()), bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

void JsonStream::putEscaped(QByteArrayView utf8)
{
    char *const start = room(utf8.size() * 6 + 2);
    char *out = start;
    *out++ = '"';
    const char *in = utf8.data();
    const char *const end = in + utf8.size();
#ifdef __SSE2__
    for (; end - in >= kBlock; in += kBlock) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
        if (!blockNeedsEscape(bytes)) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out), bytes);
            out += kBlock;
            continue;
        }
        for (qsizetype i = 0; i < kBlock; ++i)
            out = writeByte(out, in[i]);
    }
#endif
    // The clean start of what is left in one copy: keys are short.
    const char *const clean =
        std::find_if(in, end, [](char c) { return needsEscape(static_cast<unsigned char>(c)); });
    std::memcpy(out, in, size_t(clean - in));
    out += clean - in;
    for (in = clean; in != end; ++in)
        out = writeByte(out, *in);
    *out++ = '"';
    m_used += out - start;
}

// Plain ASCII goes straight into the buffer; anything else through UTF-8.
void JsonStream::putEscaped(QStringView text)
{
    char *const start = room(text.size() + 2);
    char *out = start;
    *out++ = '"';
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    bool plain = true;
#ifdef __SSE2__
    for (; plain && end - in >= kBlock; in += kBlock, out += kBlock) {
        __m128i bytes;
        plain = plainBlock(in, &bytes);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), bytes);
    }
#endif
    for (; plain && in != end; ++in) {
        const char16_t u = *in;
        plain = u < 0x80 && !needsEscape(static_cast<unsigned char>(u));
        *out++ = char(u);
    }
    if (!plain) {
        putEscaped(QByteArrayView(text.toUtf8())); // nothing of the above was counted
        return;
    }
    *out++ = '"';
    m_used += out - start;
}

void JsonStream::element()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasElements.empty()) {
        if (m_hasElements.back())
            put(',');
        m_hasElements.back() = true;
    }
}

JsonStream &JsonStream::beginObject()
{
    element();
    put('{');
    m_hasElements.push_back(false);
    return *this;
}

JsonStream &JsonStream::endObject()
{
    put('}');
    m_hasElements.pop_back();
    maybeFlush();
    return *this;
}

JsonStream &JsonStream::beginArray()
{
    element();
    put('[');
    m_hasElements.push_back(false);
    return *this;
}

JsonStream &JsonStream::endArray()
{
    put(']');
    m_hasElements.pop_back();
    maybeFlush();
    return *this;
}

void JsonStream::keyText(QStringView text)
{
    element();
    putEscaped(text);
    put(':');
    m_afterKey = true;
}

void JsonStream::keyText(QByteArrayView utf8)
{
    element();
    putEscaped(utf8);
    put(':');
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
    putEscaped(text);
    return *this;
}

JsonStream &JsonStream::utf8String(QByteArrayView utf8)
{
    element();
    putEscaped(utf8);
    return *this;
}

JsonStream &JsonStream::number(double value)
{
    element();
    if (std::isfinite(value))
        put(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
    else
        put("null");
    return *this;
}

JsonStream &JsonStream::integer(qint64 value)
{
    element();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    put(QByteArrayView(digits, end - digits));
    return *this;
}

JsonStream &JsonStream::boolean(bool value)
{
    element();
    put(value ? "true" : "false");
    return *this;
}

JsonStream &JsonStream::null()
{
    element();
    put("null");
    return *this;
}

JsonStream &JsonStream::newline()
{
    put('\n');
    return *this;
}

void JsonStream::maybeFlush()
{
    if (m_used >= kFlushSize)
        flush();
}

bool JsonStream::flush()
{
    if (m_used > 0 && !m_failed)
        m_failed = m_device->write(m_data, m_used) != m_used;
    m_used = 0; // keeps the buffer for the next run of output
    return !m_failed;
}
