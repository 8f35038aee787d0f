#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstring>
#include <vector>

class QIODevice;

// Compact JSON written to a device as it is produced, in the bytes QJsonDocument::Compact
// gives the same values, so that a reader sees no difference from a document built in memory.
// Keys come out in the order they are given: QJsonObject sorted them, so callers give them
// sorted where the output must stay as it was.
class JsonStream
{
public:
    explicit JsonStream(QIODevice *device);
    JsonStream(const JsonStream &) = delete;
    JsonStream &operator=(const JsonStream &) = delete;
    ~JsonStream();

    JsonStream &beginObject();
    JsonStream &endObject();
    JsonStream &beginArray();
    JsonStream &endArray();
    JsonStream &key(const char *name);
    JsonStream &key(QStringView name);
    // A key of the program's own that needs no escape, copied as it is: a catalogue writes
    // seven for each of thousands of recordings.
    template <qsizetype N> JsonStream &plainKey(const char (&name)[N])
    {
        element();
        char *out = room(N + 2);
        *out = '"';
        std::memcpy(out + 1, name, N - 1);
        out[N] = '"';
        out[N + 1] = ':';
        m_used += N + 2;
        m_afterKey = true;
        return *this;
    }

    JsonStream &string(QStringView text);
    JsonStream &utf8String(QByteArrayView utf8);
    JsonStream &number(double value); // null when not finite, as QJsonDocument writes it
    JsonStream &integer(qint64 value);
    JsonStream &boolean(bool value);
    JsonStream &null();
    JsonStream &newline();

    // Hands what is buffered to the device. False once a write failed.
    bool flush();

private:
    void element();
    void keyText(QByteArrayView utf8);
    void keyText(QStringView text);
    void maybeFlush();
    // Room for `bytes` more at the end of what is buffered; the caller fills it and then
    // counts what it wrote with m_used.
    char *room(qsizetype bytes)
    {
        return m_capacity - m_used >= bytes ? m_data + m_used : grow(bytes);
    }
    char *grow(qsizetype bytes);
    void put(char c) { *room(1) = c, ++m_used; }
    void put(QByteArrayView bytes);
    void putEscaped(QByteArrayView utf8);
    void putEscaped(QStringView text);

    QIODevice *m_device;
    // Written through pointers rather than appends: a catalogue puts out millions of small
    // pieces. Only the first m_used bytes hold output.
    QByteArray m_buffer;
    char *m_data = nullptr; // m_buffer's bytes
    qsizetype m_capacity = 0;
    qsizetype m_used = 0;
    std::vector<char> m_hasElements; // per open container: whether it needs a comma before the next
    bool m_afterKey = false;
    bool m_failed = false;
};
