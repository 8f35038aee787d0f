// The folder opened for a recording opened by itself: the card's top for a recording in a
// folder of DCIM, whatever its case; the recording's own folder anywhere else.
#include "core/catalogue/CardFolder.h"

#include <QTest>

class TestCardFolder : public QObject
{
    Q_OBJECT

private slots:
    void folder_data()
    {
        QTest::addColumn<QString>("recording");
        QTest::addColumn<QString>("folder");
        QTest::newRow("card") << "/media/u/TAVIK/DCIM/100ALWAY/alwa_20261017_083000_F.avi"
                              << "/media/u/TAVIK";
        QTest::newRow("lower case") << "/m/card/dcim/200EVENT/e.avi"
                                    << "/m/card";
        QTest::newRow("copied alone") << "/home/u/clips/alwa_20261017_083000_F.avi"
                                      << "/home/u/clips";
        QTest::newRow("in DCIM itself") << "/m/card/DCIM/x.avi"
                                        << "/m/card/DCIM";
    }

    void folder()
    {
        QFETCH(QString, recording);
        QFETCH(QString, folder);
        QCOMPARE(cardFolderOfRecording(recording), folder);
    }
};

QTEST_GUILESS_MAIN(TestCardFolder)
#include "test_cardfolder.moc"
