#pragma once
// Volume sources for tests: recorded lsblk outputs with their mount points moved into a test
// folder, and outputs built from a short description.

#include "core/card/VolumeSource.h"
#include "core/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QString>

// A recorded output from tests/data/card; "/media/user" becomes `mountRoot` when given.
inline QByteArray recordedLsblk(const QString &name, const QString &mountRoot = QString())
{
    QByteArray json = readFile(QStringLiteral(TAVIK_TEST_DATA "/card/") + name);
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
        const QString disk = v.name.chopped(1);
        const QJsonObject part{
            {"name", v.name},   {"path", v.path.isEmpty() ? "/dev/" + v.name : v.path},
            {"type", "part"},   {"rm", true},
            {"ro", v.readOnly}, {"size", double(v.size)},
            {"label", v.label}, {"mountpoints", QJsonArray{v.mountPath}}, // empty: not mounted
            {"pkname", disk}};
        disks.append(QJsonObject{{"name", disk},
                                 {"type", "disk"},
                                 {"tran", v.bus},
                                 {"rm", true},
                                 {"ro", v.readOnly},
                                 {"size", double(v.size + 4194304)},
                                 {"model", "Card Reader"},
                                 {"children", QJsonArray{part}}});
    }
    return QJsonDocument(QJsonObject{{"blockdevices", disks}}).toJson();
}

// Answers with whatever JSON it holds at the moment; thread-safe.
class FakeVolumeSource : public VolumeSource
{
public:
    explicit FakeVolumeSource(QByteArray json = {}) : m_json(std::move(json)) {}
    tvk::Result<QByteArray> lsblkJson() override
    {
        QMutexLocker lock(&m_mutex);
        return m_json;
    }
    void setJson(const QByteArray &json)
    {
        QMutexLocker lock(&m_mutex);
        m_json = json;
    }

private:
    QMutex m_mutex;
    QByteArray m_json;
};
