#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

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
    JsonStream &key(const QString &name);

    JsonStream &string(const QString &text);
    JsonStream &number(double value); // null when not finite, as QJsonDocument writes it
    JsonStream &integer(qint64 value);
    JsonStream &boolean(bool value);
    JsonStream &null();
    JsonStream &newline();

    // Hands what is buffered to the device. False once a write failed.
    bool flush();

private:
    void element();
    void keyText(const QByteArray &utf8);
    void maybeFlush();

    QIODevice *m_device;
    QByteArray m_buffer;
    QList<bool> m_hasElements; // per open container: whether it needs a comma before the next
    bool m_afterKey = false;
    bool m_failed = false;
};
