#include "app/clip/ClipExportDialog.h"

#include "app/controls/Alert.h"
#include "core/catalogue/CardFolder.h"
#include "core/clip/ClipRecordings.h"
#include "core/common/strings.h"
#include "render/ClipFramePainter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

const char kTimeFormat[] = "yyyy-MM-dd HH:mm:ss";

} // namespace

ClipExportDialog::ClipExportDialog(const QString &recording, QWidget *parent)
    : QDialog(parent), m_recording(recording), m_layout(new QComboBox), m_corner(new QComboBox),
      m_sound(new QComboBox), m_quality(new QSpinBox), m_time(new QCheckBox),
      m_speed(new QCheckBox), m_gforce(new QCheckBox), m_map(new QCheckBox),
      m_from(new QDateTimeEdit), m_to(new QDateTimeEdit), m_pages(new QStackedWidget),
      m_progress(new QProgressBar), m_left(new QLabel),
      m_marksNote(new QLabel(tvk::text("clip.marks_in_use"))), m_written(new QLabel),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel)),
      m_cancel(std::make_shared<std::atomic<bool>>(false))
{
    setObjectName(QStringLiteral("clipExportDialog"));
    setWindowTitle(tvk::text("clip.title"));
    // The pair's own length, read from the file names and headers only.
    if (const auto pair = clip::pairOf(recording); pair && !pair->isEmpty()) {
        if (const auto plan = clip::planPair(*pair)) {
            m_pairFrom = plan->from;
            m_pairTo = plan->to;
        }
    }
    for (QDateTimeEdit *edit : {m_from, m_to}) {
        edit->setTimeSpec(Qt::UTC);
        edit->setDisplayFormat(QString::fromLatin1(kTimeFormat));
    }
    m_from->setDateTime(m_pairFrom);
    m_to->setDateTime(m_pairTo);
    m_from->setObjectName(QStringLiteral("clipFrom"));
    m_to->setObjectName(QStringLiteral("clipTo"));

    m_layout->setObjectName(QStringLiteral("clipLayout"));
    m_layout->addItem(tvk::text("clip.layout_side"), int(clip::Layout::SideBySide));
    m_layout->addItem(tvk::text("clip.layout_inset"), int(clip::Layout::Inset));
    m_layout->addItem(tvk::text("clip.layout_front"), int(clip::Layout::FrontOnly));
    m_layout->addItem(tvk::text("clip.layout_rear"), int(clip::Layout::RearOnly));
    m_corner->addItem(tvk::text("clip.corner_bottom_right"), int(clip::Corner::BottomRight));
    m_corner->addItem(tvk::text("clip.corner_bottom_left"), int(clip::Corner::BottomLeft));
    m_corner->addItem(tvk::text("clip.corner_top_right"), int(clip::Corner::TopRight));
    m_corner->addItem(tvk::text("clip.corner_top_left"), int(clip::Corner::TopLeft));
    m_corner->setEnabled(false);
    connect(m_layout, &QComboBox::currentIndexChanged, this, [this] {
        m_corner->setEnabled(m_layout->currentData().toInt() == int(clip::Layout::Inset));
    });
    m_sound->addItem(tvk::text("clip.sound_front"), false);
    m_sound->addItem(tvk::text("clip.sound_rear"), true);
    // x264's rate factor: 18 looks like the source, 28 is half the size.
    m_quality->setRange(16, 35);
    m_quality->setValue(23);
    m_quality->setObjectName(QStringLiteral("clipQuality"));
    m_time->setText(tvk::text("clip.item_time"));
    m_speed->setText(tvk::text("clip.item_speed"));
    m_gforce->setText(tvk::text("clip.item_gforce"));
    m_map->setText(tvk::text("clip.item_map"));
    for (QCheckBox *box : {m_time, m_speed, m_gforce, m_map})
        box->setChecked(true);

    auto *choices = new QWidget;
    auto *form = new QFormLayout(choices);
    m_marksNote->setObjectName(QStringLiteral("clipMarksNote"));
    m_marksNote->hide();
    form->addRow(m_marksNote);
    form->addRow(tvk::text("clip.from"), m_from);
    form->addRow(tvk::text("clip.to"), m_to);
    form->addRow(tvk::text("clip.layout"), m_layout);
    form->addRow(tvk::text("clip.corner"), m_corner);
    auto *items = new QVBoxLayout;
    for (QCheckBox *box : {m_time, m_speed, m_gforce, m_map})
        items->addWidget(box);
    form->addRow(tvk::text("clip.overlay"), items);
    form->addRow(tvk::text("clip.sound"), m_sound);
    form->addRow(tvk::text("clip.quality"), m_quality);

    auto *working = new QWidget;
    auto *column = new QVBoxLayout(working);
    m_progress->setObjectName(QStringLiteral("clipProgress"));
    m_left->setObjectName(QStringLiteral("clipTimeLeft"));
    column->addWidget(new QLabel(tvk::text("clip.writing")));
    column->addWidget(m_progress);
    column->addWidget(m_left);
    // Once written: the clip can be watched at once or found to be sent.
    auto *written = new QWidget;
    auto *writtenColumn = new QVBoxLayout(written);
    m_written->setObjectName(QStringLiteral("clipWritten"));
    m_written->setWordWrap(true);
    m_written->setTextFormat(Qt::PlainText);
    auto *play = new QPushButton(tvk::text("clip.play"));
    play->setObjectName(QStringLiteral("clipPlay"));
    connect(play, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(m_out)); });
    auto *folder = new QPushButton(tvk::text("clip.show_folder"));
    folder->setObjectName(QStringLiteral("clipShowFolder"));
    connect(folder, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(m_out).absolutePath()));
    });
    auto *actions = new QHBoxLayout;
    actions->addWidget(play);
    actions->addWidget(folder);
    actions->addStretch(1);
    writtenColumn->addWidget(m_written);
    writtenColumn->addLayout(actions);
    writtenColumn->addStretch(1);
    m_pages->addWidget(choices);
    m_pages->addWidget(working);
    m_pages->addWidget(written);

    QPushButton *exportButton =
        m_buttons->addButton(tvk::text("clip.export"), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("clipExportButton"));
    connect(exportButton, &QPushButton::clicked, this, &ClipExportDialog::chooseFile);
    connect(m_buttons, &QDialogButtonBox::rejected, this, [this] {
        if (isRunning())
            cancel();
        else
            reject();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(m_buttons);
}

ClipExportDialog::~ClipExportDialog()
{
    // A clip still being written is given up; the worker removes its file.
    if (m_watcher) {
        cancel();
        m_watcher->waitForFinished();
    }
}

void ClipExportDialog::useMarks(const clip::Marks &marks)
{
    const auto range = clip::markedRange(marks, m_pairFrom, m_pairTo);
    if (!range)
        return;
    m_from->setDateTime(range->from);
    m_to->setDateTime(range->to);
    m_marksNote->show();
}

ClipExportDialog::Job ClipExportDialog::job() const
{
    Job job{m_recording, {}, {}, {}, {}};
    if (m_from->dateTime() != m_pairFrom || m_to->dateTime() != m_pairTo) {
        job.from = m_from->dateTime();
        job.to = m_to->dateTime();
    }
    job.options.layout = clip::Layout(m_layout->currentData().toInt());
    job.options.corner = clip::Corner(m_corner->currentData().toInt());
    job.options.soundFromRear = m_sound->currentData().toBool();
    job.options.quality = m_quality->value();
    job.items = {m_time->isChecked(), m_speed->isChecked(), m_gforce->isChecked(),
                 m_map->isChecked()};
    return job;
}

void ClipExportDialog::chooseFile()
{
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::MoviesLocation))
            .filePath(QFileInfo(m_recording).completeBaseName() + QStringLiteral(".mp4"));
    const QString out = QFileDialog::getSaveFileName(this, tvk::text("clip.title"), suggested,
                                                     QStringLiteral("MP4 (*.mp4)"));
    if (!out.isEmpty())
        start(out);
}

tvk::Result<void> ClipExportDialog::run(const Job &job, const QString &out,
                                        const std::shared_ptr<std::atomic<bool>> &cancel,
                                        const std::function<void(qint64, qint64)> &progress)
{
    const bool range = job.from.isValid();
    auto recordings = range ? clip::recordingsBelow(cardFolderOfRecording(job.recording))
                            : clip::pairOf(job.recording);
    if (!recordings)
        return recordings.failure();
    const auto plan =
        range ? clip::planRange(*recordings, job.from, job.to) : clip::planPair(*recordings);
    if (!plan)
        return plan.failure();
    return clip::exportClip(*plan, job.options, out, clipFramePainter(*plan, job.items), progress,
                            cancel.get());
}

void ClipExportDialog::start(const QString &out)
{
    if (isRunning())
        return;
    m_cancel->store(false);
    showPage(1);
    for (QAbstractButton *button : m_buttons->buttons()) {
        if (m_buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            button->setEnabled(false);
    }
    m_progress->setRange(0, 0);
    m_clock.start();
    m_watcher = new QFutureWatcher<tvk::Result<void>>(this);
    connect(m_watcher, &QFutureWatcherBase::finished, this, [this, out] { done(out); });
    // Progress crosses to the interface thread as queued calls, a few per second at most.
    auto progress = [this, last = std::make_shared<std::atomic<qint64>>(-1)](qint64 n,
                                                                             qint64 total) {
        if (n != total && n - last->load() < 10)
            return;
        last->store(n);
        QMetaObject::invokeMethod(
            this, [this, n, total] { showProgress(n, total); }, Qt::QueuedConnection);
    };
    m_watcher->setFuture(QtConcurrent::run([job = job(), out, cancel = m_cancel, progress] {
        return run(job, out, cancel, progress);
    }));
}

void ClipExportDialog::showProgress(qint64 done, qint64 total)
{
    if (!isRunning() || total <= 0)
        return;
    m_progress->setRange(0, int(total));
    m_progress->setValue(int(done));
    const qint64 seconds = done > 0 ? m_clock.elapsed() * (total - done) / done / 1000 : 0;
    m_left->setText(
        tvk::text("clip.time_left").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void ClipExportDialog::done(const QString &out)
{
    const tvk::Result<void> result = m_watcher->result();
    m_watcher->deleteLater();
    m_watcher = nullptr;
    emit finished(out, result);
    if (result) {
        showWritten(out);
        return;
    }
    // A cancel is the user's own doing: nothing to tell.
    if (!m_cancel->load())
        showAlert(parentWidget(), tvk::text("alert.warning"),
                  tvk::text("clip.failed").arg(result.failure().text()));
    reject();
}

void ClipExportDialog::showPage(int index)
{
    // A stack is as large as its largest page: the short pages would sit in the form's space.
    for (int i = 0; i < m_pages->count(); ++i) {
        const auto policy = i == index ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        m_pages->widget(i)->setSizePolicy(policy, policy);
    }
    m_pages->setCurrentIndex(index);
    m_pages->adjustSize();
    adjustSize();
}

void ClipExportDialog::showWritten(const QString &out)
{
    m_out = out;
    m_written->setText(tvk::text("clip.done").arg(QDir::toNativeSeparators(out)));
    showPage(2);
    for (QAbstractButton *button : m_buttons->buttons()) {
        if (m_buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            button->hide();
        else
            button->setText(tvk::text("clip.close"));
    }
}
