#include "app/settings/AudioSettingsPage.h"

#include "core/common/strings.h"
#include "ui_AudioSettingsPage.h"

#include <QButtonGroup>

AudioSettingsPage::AudioSettingsPage(QWidget *parent)
    : SettingsPage(parent), ui(std::make_unique<Ui::AudioSettingsPage>())
{
    ui->setupUi(this);
    const QStringList volumes{tvk::text("unuse"), digitWithWord(1, "setting.aux.volume_low"),
                              QStringLiteral("2"), digitWithWord(3, "setting.aux.volume_up")};
    ui->micSeg->setLabels(volumes);
    ui->speakerSeg->setLabels(volumes);

    QFont font = ui->malaysiaRadio->font();
    font.setPointSize(12);
    m_grid = new QButtonGroup(this);
    for (int number = 0; number < kLanguages; ++number) {
        auto *cell = findChild<QRadioButton *>(
            QStringLiteral("voiceLangRadio%1").arg(number, 2, 10, QLatin1Char('0')));
        cell->setAutoExclusive(false);
        cell->setFont(font);
        m_grid->addButton(cell, number);
    }
    ui->malaysiaRadio->setAutoExclusive(false);
    ui->malaysiaRadio->setFont(font);
    connect(m_grid, &QButtonGroup::buttonClicked, this,
            &AudioSettingsPage::voiceLangMatrixSelected);
    connect(ui->malaysiaRadio, &QRadioButton::clicked, this,
            &AudioSettingsPage::malaysiaRadioSelected);
}

AudioSettingsPage::~AudioSettingsPage() = default;

void AudioSettingsPage::clearGrid()
{
    m_grid->setExclusive(false);
    for (QAbstractButton *cell : m_grid->buttons())
        cell->setChecked(false);
    m_grid->setExclusive(true);
}

void AudioSettingsPage::voiceLangMatrixSelected()
{
    ui->malaysiaRadio->setChecked(false);
}

void AudioSettingsPage::malaysiaRadioSelected()
{
    // A radio button cannot be switched off by clicking it again.
    ui->malaysiaRadio->setChecked(true);
    clearGrid();
    if (fileData())
        fileData()->voiceLanguage() = kMalaysia;
}

void AudioSettingsPage::displayFileData()
{
    const SettingsRecord &d = *fileData();
    ui->micSeg->setSelectedSegment(d.aud_input_vol);
    ui->useEveryHourNoticeChk->setChecked(d.alarm_ontime_flag != 0);
    ui->speakerSeg->setSelectedSegment(d.aud_output_vol);
    clearGrid();
    ui->malaysiaRadio->setChecked(d.voiceLanguage() == kMalaysia);
    // Above 20 the number has no cell: nothing is selected.
    if (QAbstractButton *cell = m_grid->button(int(qMin<quint32>(d.voiceLanguage(), 1000))))
        cell->setChecked(true);
}

bool AudioSettingsPage::populate()
{
    if (!fileData())
        return true;
    SettingsRecord &d = *fileData();
    storeSegment(ui->micSeg, d.aud_input_vol);
    d.alarm_ontime_flag = ui->useEveryHourNoticeChk->isChecked() ? 1 : 0;
    storeSegment(ui->speakerSeg, d.aud_output_vol);
    if (ui->malaysiaRadio->isChecked())
        d.voiceLanguage() = kMalaysia;
    else
        storeSelection(m_grid->checkedId(), d.voiceLanguage());
    return true;
}
