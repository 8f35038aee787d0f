// The driving-record page on a full day of records (one a second, 86,400): the time from the
// click on its segment to the filled, drawn table, and the longest gap of a 1 ms timer on the
// interface thread meanwhile and while the table scrolls to its end.
//   bench_recordpage [RECORDS] [RUNS]
#include "app/controls/AppResources.h"
#include "app/records/DrivingRecordModel.h"
#include "app/records/DrivingRecordPage.h"
#include "app/settings/SettingsWindow.h"
#include "benchgoal.h"
#include "core/card/VolumeLabeller.h"
#include "core/card/VolumeSource.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/settings/SettingsRecord.h"
#include "writers/cardfiles/drivingrecordwriter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class CardSource : public VolumeSource
{
public:
    explicit CardSource(const QString &mount) : m_mount(mount) {}
    tvk::Result<QByteArray> lsblkJson() override
    {
        return QStringLiteral(
                   R"({"blockdevices":[{"name":"sdb","path":"/dev/sdb","type":"disk","tran":"usb",)"
                   R"("rm":true,"ro":false,"size":31914983424,"model":"Card Reader","label":"TAVIK",)"
                   R"("fstype":"vfat","mountpoints":["%1"]}]})")
            .arg(m_mount)
            .toUtf8();
    }

private:
    QString m_mount;
};

class KeepLabel : public VolumeLabeller
{
public:
    tvk::Result<void> setLabel(const UsbDisk &, const QString &) override { return {}; }
};

// The longest time between two ticks of a 1 ms timer while it runs.
class GapWatch : public QObject
{
public:
    GapWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_clock.nsecsElapsed());
            m_clock.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        m_longest = std::max(m_longest, m_clock.nsecsElapsed());
        return double(m_longest) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tvk::initAppResources();
    tvk::initApplicationIdentity();
    tvk::installStringTable();
    tvk::setLogSink([](const QString &) {});
    const QStringList args = QApplication::arguments();
    bench::Goals goals("bench_recordpage");
    const int count = args.size() > 1 ? args[1].toInt() : bench::size(86400, 1000);
    const int runs = args.size() > 2 ? args[2].toInt() : bench::runs(5);

    QTemporaryDir card;
    QDir(card.path()).mkpath(QStringLiteral("DrvInfo"));
    if (!writeRecord(factoryDefaultRecord(), card.filePath(QStringLiteral("config.bin"))) ||
        !writeDrivingRecordFile(card.filePath(QStringLiteral("DrvInfo/tavik_000.drv")),
                                sampleDrivingRecords(count)))
        return goals.failed("cannot write the card");
    CardSource volumes(card.path());
    KeepLabel labeller;

    std::vector<double> opens, openGaps, scrollGaps;
    for (int run = 0; run < runs; ++run) {
        SettingsEnvironment environment;
        environment.volumes = &volumes;
        environment.labeller = &labeller;
        SettingsWindow window(environment);
        window.showWindow();
        while (window.lastSelectedTabIndex() != 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        auto *segment = window.findChild<QAbstractButton *>(QStringLiteral("segment6"));
        GapWatch gaps;
        gaps.start();
        QElapsedTimer clock;
        clock.start();
        segment->click();
        auto *page = qobject_cast<DrivingRecordPage *>(window.targetController());
        while (!page || page->model()->rowCount() != count)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        page->tableView()->viewport()->repaint();
        opens.push_back(double(clock.nsecsElapsed()) / 1e6);
        openGaps.push_back(gaps.stop());

        // The reference: the table really holds and draws the last record.
        QTableView *table = page->tableView();
        gaps.start();
        for (int step = 0; step < 50; ++step) {
            QScrollBar *bar = table->verticalScrollBar();
            bar->setValue(bar->maximum() * (step + 1) / 50);
            table->viewport()->repaint();
            QApplication::processEvents();
        }
        scrollGaps.push_back(gaps.stop());
        const QModelIndex last = table->indexAt(QPoint(2, table->viewport()->height() - 2));
        if (last.data().toString() != QString::number(count))
            return goals.failed("the table does not end at its last record");
        window.close();
    }
    std::printf("%d records, %d runs (medians)\n", count, runs);
    goals.atMost("segment click to filled table", median(opens), 300, "ms");
    goals.atMost("longest 1 ms timer gap while opening", median(openGaps), 50, "ms");
    goals.info("longest 1 ms timer gap while scrolling 50 steps", median(scrollGaps), "ms");
    return goals.finish();
}
