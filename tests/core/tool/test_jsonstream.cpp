// The streamed JSON writer against QJsonDocument: the same bytes for texts of every length
// around the block the writer copies whole, with a character to escape at each place in it.
#include "tool/output/jsonstream.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestJsonStream : public QObject
{
    Q_OBJECT

    static QByteArray streamed(const QString &text)
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        {
            JsonStream json(&out);
            json.beginArray().string(text).utf8String(text.toUtf8());
            json.beginObject().key(text).integer(1).endObject();
            json.beginObject().plainKey("front").null().plainKey("rear").integer(2).endObject();
            json.endArray();
        }
        return out.data();
    }

    static QByteArray expected(const QString &text)
    {
        const QJsonArray array{text, text, QJsonObject{{text, 1}},
                               QJsonObject{{"front", QJsonValue::Null}, {"rear", 2}}};
        return QJsonDocument(array).toJson(QJsonDocument::Compact);
    }

private slots:
    void textsAsQJsonDocumentWritesThem_data()
    {
        QTest::addColumn<QString>("text");
        const QList<QChar> odd{u'"',         u'\\',         QChar(0),     QChar(0x1f),
                               u'\n',        u'\t',         QChar(0x7f),  QChar(0xe9),
                               QChar(0x100), QChar(0x4e2d), QChar(0xff01)};
        for (int length : {0, 1, 7, 15, 16, 17, 31, 32, 33, 63}) {
            const QString plain = QString(length, u'a');
            QTest::addRow("plain %d", length) << plain;
            for (const QChar c : odd) {
                for (int at : {0, length / 2, length - 1}) {
                    if (at < 0 || at >= length)
                        continue;
                    QString text = plain;
                    text[at] = c;
                    QTest::addRow("%d, U+%04x at %d", length, c.unicode(), at) << text;
                }
            }
        }
        QTest::newRow("path") << QStringLiteral("/media/card/DCIM/ALWA/202601/alwa_x_F.avi");
        QTest::newRow("all controls") << QString::fromLatin1("\x01\x02\b\f\n\r\t\x1b\"\\");
    }

    void textsAsQJsonDocumentWritesThem()
    {
        QFETCH(QString, text);
        QCOMPARE(streamed(text), expected(text));
    }

    // Output larger than the writer's buffer arrives whole and in order.
    void longOutputArrivesWhole()
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QJsonArray array;
        {
            JsonStream json(&out);
            json.beginArray();
            for (int i = 0; i < 20000; ++i) {
                const QString text = QStringLiteral("entry \"%1\"").arg(i);
                json.string(text);
                array.append(text);
            }
            json.string(QString(200000, u'x'));
            array.append(QString(200000, u'x'));
            json.endArray();
        }
        QCOMPARE(out.data(), QJsonDocument(array).toJson(QJsonDocument::Compact));
    }
};

QTEST_APPLESS_MAIN(TestJsonStream)
#include "test_jsonstream.moc"
