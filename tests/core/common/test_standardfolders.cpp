// Where file dialogs start: the user's folder of the kind when it exists, else home.
#include "core/common/standardfolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestStandardFolders : public QObject
{
    Q_OBJECT
private slots:
    void fallsBackToHome_data()
    {
        QTest::addColumn<bool>("documentsExist");
        QTest::newRow("Documents exists") << true;
        QTest::newRow("no Documents folder") << false;
    }

    void fallsBackToHome()
    {
        QFETCH(bool, documentsExist);
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
        if (documentsExist)
            QVERIFY(QDir(home.path()).mkdir("Documents"));
        QCOMPARE(existingFolderOrHome(QStandardPaths::DocumentsLocation),
                 documentsExist ? home.filePath("Documents") : home.path());
    }
};

QTEST_GUILESS_MAIN(TestStandardFolders)
#include "test_standardfolders.moc"
