// The settings record: byte layout, factory defaults, checksum, text fields, and the file
// operations, including a write the file system cuts short.
#include "core/common/strings.h"
#include "core/settings/FileDataFields.h"
#include "core/settings/SettingsRecord.h"
#include "core/testsupport.h"

#include <QSettings>
#include <QStandardPaths>
#include <QtEndian>

class TestSettingsRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        tvk::initApplicationIdentity();
        QSettings().clear();
        QVERIFY(tvk::installStringTable());
    }

    void fieldTableCoversTheRecordWithoutGaps()
    {
        qsizetype next = 0;
        for (const FileDataField &field : fileDataFields()) {
            QCOMPARE(field.offset, next);
            next += field.size;
        }
        QCOMPARE(next, qsizetype(428));
        QCOMPARE(fileDataFields().size(), 98);
    }

    void imageIsLittleEndianFieldByField()
    {
        SettingsRecord record{};
        record.cfg_ver = 0x5726;
        record.disp_segment_mode = 0x01020304;
        record.time_gmt = -1;
        record.debug_mode = 0xA1B2C3D4;
        setRecordText(record.wifi_password, "pass");
        const QByteArray image = record.encode();
        QCOMPARE(image.size(), 428);
        // At 0, 4, 168 and 424, and the text at 372.
        QCOMPARE(image.left(2) + image.mid(4, 4) + image.mid(168, 4) + image.mid(424, 4) +
                     image.mid(372, 5),
                 QByteArray("\x26\x57\x04\x03\x02\x01\xff\xff\xff\xff\xd4\xc3\xb2\xa1pass\0", 19));
        const tvk::Result<SettingsRecord> back = SettingsRecord::decode(image);
        QVERIFY(back);
        QCOMPARE(back->encode(), image);
        QCOMPARE(back->time_gmt, -1);
        QVERIFY(!SettingsRecord::decode(image.left(427)));
    }

    void factoryDefaults()
    {
        const QByteArray expected = readFile(TAVIK_TEST_DATA "/settings/factory-default.bin");
        QCOMPARE(expected.size(), 428);
        QCOMPARE(factoryDefaultRecord().encode(), expected);
    }

    void restoringDefaultsKeepsZoneSummerTimeVoiceAndChecksum()
    {
        SettingsRecord record = SettingsRecord::decode(QByteArray(428, '\x5a')).value();
        SettingsRecord expected = factoryDefaultRecord();
        for (SettingsRecord *r : {&record, &expected}) {
            r->time_gmt = 22;
            r->summer_time = 1;
            r->Brightness1 = 7;
            r->checksum = 0xBEEF;
        }
        applyFactoryDefaults(record);
        QCOMPARE(record.encode(), expected.encode());
    }

    void externalRearCameraComesFromTheUserDefaults()
    {
        QSettings().setValue(QLatin1String(kExternalRearCameraKey), Q_INT64_C(0x100000005));
        QCOMPARE(factoryDefaultRecord().external_rear_camera, 5u);
        QSettings().remove(QLatin1String(kExternalRearCameraKey));
        QCOMPARE(factoryDefaultRecord().external_rear_camera, 0u);
    }

    void checksum()
    {
        // XOR of the low halves of words 1 to 106 of the written image: the version word
        // (non-zero in the defaults) is left out, the car number's text is counted.
        SettingsRecord defaults = factoryDefaultRecord();
        applySaveStep(defaults);
        const QByteArray image = defaults.encode();
        quint16 sum = 0;
        for (int word = 1; word <= 106; ++word)
            sum ^= quint16(le32At(image, word * 4) & 0xFFFF);
        QCOMPARE(qFromLittleEndian<quint16>(image.constData() + 2), sum);
    }

    void textFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("empty") << "" << QByteArray(8, '\0') << "";
        QTest::newRow("short") << "ab12" << QByteArray("ab12\0\0\0\0", 8) << "ab12";
        QTest::newRow("nine ASCII") << "ABCDEFGHI" << QByteArray("ABCDEFGH") << "ABCDEFGH";
        // 3 Hangul syllables are 9 bytes: the third is cut after two of its bytes.
        QTest::newRow("cut inside a character")
            << QString::fromUtf8("가나다") << QByteArray("\xea\xb0\x80\xeb\x82\x98\xeb\x8b")
            << QString::fromUtf8("가나");
    }

    void textFields()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        SettingsRecord record{};
        std::fill(std::begin(record.szPlateNumber), std::end(record.szPlateNumber), 'x');
        setRecordText(record.szPlateNumber, text);
        QCOMPARE(QByteArray(record.szPlateNumber, 8), stored);
        // A cut character reads as replacement characters after the whole ones.
        QFETCH(QString, readBack);
        const QString shown = recordText(record.szPlateNumber);
        QVERIFY2(shown.startsWith(readBack), qPrintable(shown));
        for (const QChar c : shown.mid(readBack.size()))
            QCOMPARE(c, QChar(QChar::ReplacementCharacter));
    }

    void readAndWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("config.bin");
        SettingsRecord record = factoryDefaultRecord();
        record.time_gmt = 28;
        applySaveStep(record);
        QVERIFY(writeRecord(record, path));
        QCOMPARE(readFile(path), record.encode());
        QCOMPARE(readRecord(path).value().encode(), record.encode());

        // A wrong checksum or version is read as it is.
        QByteArray odd = record.encode();
        odd[0] = '\x01';
        odd[2] = '\x77';
        QVERIFY(writeFile(path, odd));
        QCOMPARE(readRecord(path).value().encode(), odd);

        // Only a file of exactly 428 bytes is a settings file.
        for (const qsizetype size : {427, 429}) {
            QVERIFY(writeFile(path, QByteArray(size, '\x11')));
            const tvk::Result<SettingsRecord> wrong = readRecord(path);
            QVERIFY(!wrong);
            QCOMPARE(wrong.failure().text(),
                     path + QStringLiteral(": The file holds %1 bytes; a settings file holds 428.")
                                .arg(size));
        }
        QCOMPARE(QByteArray(readRecord(dir.filePath("none.bin")).failure().key),
                 "msg.file_read_fail");
        QCOMPARE(QByteArray(writeRecord(record, "/nonexistent/dir/config.bin").failure().key),
                 "msg.file_open_fail");
    }

    void shortWriteIsReportedAndKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("config.bin");
        const SettingsRecord old = factoryDefaultRecord();
        QVERIFY(writeRecord(old, path));
        SettingsRecord changed = old;
        changed.vid_brightness = 4;
        tvk::Result<void> result;
        {
            FileSizeLimit limit(100); // the file system takes only 100 bytes, as a full card would
            result = writeRecord(changed, path);
        }
        QVERIFY(!result);
        QCOMPARE(QByteArray(result.failure().key), "msg.file_open_fail");
        QCOMPARE(readFile(path), old.encode());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "test_settingsrecord.moc"
