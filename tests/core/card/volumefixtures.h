#pragma once
// Volume sources for tests: recorded lsblk outputs with their mount points moved into a test
// folder, and outputs built from a short description.

#include "card/VolumeSource.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QString>

// A recorded output from tests/data/card; "/media/user" becomes `mountRoot` when given.
inline QByteArray recordedLsblk(const QString &name, const QString &mountRoot = QString())
{
    QFile file(QStringLiteral(TAVIK_TEST_DATA "/card/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray json = file.readAll();
    if (!mountRoot.isEmpty())
        json.replace("/media/user", mountRoot.toUtf8());
    return json;
}

struct FakeVolume
{
    QString name; // the partition, sdb1; its disk is the name without the last digit
    QString label;
    QString mountPath; // empty: not mounted
    bool readOnly = false;
    QString bus = QStringLiteral("usb");
    quint64 size = 7948206080;
    QString path = QString(); // the device node; /dev/<name> when empty
};

// lsblk's tree output for the volumes, each a partition of a disk of its own.
inline QByteArray lsblkJsonFor(const QList<FakeVolume> &volumes)
{
    QJsonArray disks;
    for (const FakeVolume &v : volumes) {
        const QString diskName = v.name.left(v.name.size() - 1);
        QJsonObject part{
            {QStringLiteral("name"), v.name},
            {QStringLiteral("path"), v.path.isEmpty() ? QStringLiteral("/dev/") + v.name : v.path},
            {QStringLiteral("type"), QStringLiteral("part")},
            {QStringLiteral("tran"), QJsonValue::Null},
            {QStringLiteral("rm"), true},
            {QStringLiteral("ro"), v.readOnly},
            {QStringLiteral("size"), double(v.size)},
            {QStringLiteral("model"), QJsonValue::Null},
            {QStringLiteral("label"), v.label},
            {QStringLiteral("fstype"), QStringLiteral("vfat")},
            {QStringLiteral("mountpoints"),
             QJsonArray{v.mountPath.isEmpty() ? QJsonValue(QJsonValue::Null)
                                              : QJsonValue(v.mountPath)}},
            {QStringLiteral("pkname"), diskName}};
        disks.append(QJsonObject{{QStringLiteral("name"), diskName},
                                 {QStringLiteral("path"), QStringLiteral("/dev/") + diskName},
                                 {QStringLiteral("type"), QStringLiteral("disk")},
                                 {QStringLiteral("tran"), v.bus},
                                 {QStringLiteral("rm"), true},
                                 {QStringLiteral("ro"), v.readOnly},
                                 {QStringLiteral("size"), double(v.size + 4194304)},
                                 {QStringLiteral("model"), QStringLiteral("Card Reader")},
                                 {QStringLiteral("mountpoints"), QJsonArray{QJsonValue::Null}},
                                 {QStringLiteral("children"), QJsonArray{part}}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("blockdevices"), disks}}).toJson();
}

// Answers with whatever JSON it holds at the moment; thread-safe, counts the questions.
class FakeVolumeSource : public VolumeSource
{
public:
    explicit FakeVolumeSource(QByteArray json = {}) : m_json(std::move(json)) {}
    QByteArray lsblkJson() override
    {
        QMutexLocker lock(&m_mutex);
        ++m_calls;
        return m_json;
    }
    void setJson(const QByteArray &json)
    {
        QMutexLocker lock(&m_mutex);
        m_json = json;
    }
    int calls()
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

private:
    QMutex m_mutex;
    QByteArray m_json;
    int m_calls = 0;
};
