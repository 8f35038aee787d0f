// Byte counts as the volume list shows them, and the display string of a volume.
#include "core/card/ByteCount.h"
#include "core/card/UsbDisk.h"

#include <QTest>

#include <cstring>

class TestByteCount : public QObject
{
    Q_OBJECT
private slots:
    void counts_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << Q_UINT64_C(0) << "0 B";
        QTest::newRow("1023") << Q_UINT64_C(1023) << "1023 B";
        QTest::newRow("1024") << Q_UINT64_C(1024) << "1.0 kB";
        QTest::newRow("1536") << Q_UINT64_C(1536) << "1.5 kB";
        QTest::newRow("1997 rounds up to 2.0") << Q_UINT64_C(1997) << "2.0 kB";
        QTest::newRow("10188 rounds up to 10") << Q_UINT64_C(10188) << "10 kB";
        QTest::newRow("1048575") << Q_UINT64_C(1048575) << "1.0 MB";
        QTest::newRow("1000 MiB cut to six") << Q_UINT64_C(1000) * 1048576 << "1000 M";
        QTest::newRow("1 GiB") << Q_UINT64_C(1073741824) << "1.0 GB";
        QTest::newRow("2040109465") << Q_UINT64_C(2040109465) << "1.9 GB";
        QTest::newRow("32 GB card") << Q_UINT64_C(31914983424) << "30 GB";
        // Ties: even digits stay, odd ones go up; an earlier remainder always goes up.
        QTest::newRow("tie on even decimal") << Q_UINT64_C(1024 + 250) << "1.2 kB";
        QTest::newRow("tie on odd decimal") << Q_UINT64_C(1024 + 350) << "1.4 kB";
        QTest::newRow("decimal tie with earlier remainder")
            << Q_UINT64_C((1024 + 250) * 1024 + 1) << "1.3 MB";
        QTest::newRow("whole tie on even") << Q_UINT64_C(12 * 1024 + 512) << "12 kB";
        QTest::newRow("whole tie on odd") << Q_UINT64_C(13 * 1024 + 512) << "14 kB";
        QTest::newRow("whole tie with earlier remainder")
            << Q_UINT64_C((12 * 1024 + 512) * 1024 + 1) << "13 MB";
        QTest::newRow("largest") << ~Q_UINT64_C(0) << "16 EB";
    }

    void counts()
    {
        QFETCH(quint64, bytes);
        char buffer[7];
        std::memset(buffer, 'x', sizeof buffer);
        formatByteCount(buffer, bytes);
        QVERIFY(std::memchr(buffer, '\0', sizeof buffer) != nullptr);
        QTEST(QString::fromLatin1(buffer), "text");
        QTEST(byteCountString(bytes), "text");
    }

    void displayString()
    {
        const auto entity = [](const QString &label, const QString &model, quint64 size) {
            return UsbDisk(label, QUrl::fromLocalFile("/media/user/TAVIK"), "sdb1", model, size,
                           true, false, "/dev/sdb1");
        };
        QCOMPARE(entity("TAVIK", "Card Reader", 7948206080).displayString(),
                 "[7.4 GB] TAVIK <Card Reader>");
        QCOMPARE(entity("TAVIK", QString(), 7948206080).displayString(), "[7.4 GB] TAVIK ");
        QCOMPARE(entity("%1 %2", "%3", 512).displayString(), "[512 B] %1 %2 <%3>");
    }
};

QTEST_GUILESS_MAIN(TestByteCount)
#include "test_bytecount.moc"
