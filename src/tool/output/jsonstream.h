#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

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

    QIODevice *m_device;
    QByteArray m_buffer;
    QList<bool> m_hasElements; // per open container: whether it needs a comma before the next
    bool m_afterKey = false;
    bool m_failed = false;
};
