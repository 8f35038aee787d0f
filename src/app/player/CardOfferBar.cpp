#include "app/player/CardOfferBar.h"

#include "app/card/CardMountWatcher.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindowUi.h"
#include "core/catalogue/MediaList.h"
#include "core/common/strings.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

CardOfferBar::CardOfferBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cardOfferBar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#cardOfferBar { background: #1f2a38; border-bottom: 1px solid #0d0e10; }"
        "#cardOfferBar QLabel { color: #e6e8eb; font-size: 12px; }"
        "#cardOfferBar QPushButton { color: #ffffff; background: #3d9bff; border: none;"
        " border-radius: 4px; padding: 4px 12px; font-size: 12px; font-weight: 600; }"
        "#cardOfferBar QPushButton:hover { background: #5aabff; }"
        "#cardOfferBar QToolButton { color: #8b93a1; background: transparent; border: none;"
        " font-size: 14px; padding: 2px 6px; }"
        "#cardOfferBar QToolButton:hover { color: #e6e8eb; }"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(14, 5, 10, 5);
    row->setSpacing(10);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("cardOfferText"));
    m_open = new QPushButton(this);
    m_open->setObjectName(QStringLiteral("openCardButton"));
    m_open->setCursor(Qt::PointingHandCursor);
    m_dismiss = new QToolButton(this);
    m_dismiss->setObjectName(QStringLiteral("dismissCardButton"));
    m_dismiss->setText(QStringLiteral("✕"));
    m_dismiss->setToolTip(tvk::text("player.card_dismiss"));
    row->addWidget(m_text);
    row->addWidget(m_open);
    row->addStretch(1);
    row->addWidget(m_dismiss);

    connect(m_open, &QPushButton::clicked, this, [this] {
        if (m_offers.isEmpty())
            return;
        const auto [folder, kind] = m_offers.constLast();
        withdraw(folder);
        if (kind == CardMount::SettingsFile)
            emit settingsRequested(folder);
        else
            emit openRequested(folder);
    });
    connect(m_dismiss, &QToolButton::clicked, this, [this] { withdraw(offeredMountPoint()); });
    hide();
}

void CardOfferBar::offer(const QString &mountPoint, CardMount kind)
{
    withdraw(mountPoint);
    m_offers.append({mountPoint, kind});
    showLatest();
}

void CardOfferBar::withdraw(const QString &mountPoint)
{
    m_offers.removeIf([&](const auto &offer) { return offer.first == mountPoint; });
    showLatest();
}

QString CardOfferBar::offeredMountPoint() const
{
    return m_offers.isEmpty() ? QString() : m_offers.constLast().first;
}

void CardOfferBar::setSuppressed(bool suppressed)
{
    m_suppressed = suppressed;
    showLatest();
}

void CardOfferBar::showLatest()
{
    if (m_offers.isEmpty()) {
        hide();
        return;
    }
    const auto &[mountPoint, kind] = m_offers.constLast();
    m_text->setText(kind == CardMount::Recordings ? tvk::text("player.card_inserted")
                                                  : tvk::text("player.card_settings_inserted"));
    m_open->setText(tvk::text(kind == CardMount::SettingsFile ? "player.open_card_settings"
                                                              : "player.open_card")
                        .arg(QDir::toNativeSeparators(mountPoint)));
    setVisible(!m_suppressed);
}

CardOfferBar *installCardOffer(const PlayerWindowUi &ui, CustomWindow *window,
                               const MediaList *mediaList)
{
    auto *bar = new CardOfferBar(ui.backgroundBox);
    if (auto *column = qobject_cast<QBoxLayout *>(ui.backgroundBox->layout()))
        column->insertWidget(column->indexOf(ui.headBox) + 1, bar);
    auto *watcher = new CardMountWatcher([mediaList] { return mediaList->directoryPath(); },
                                         QStringLiteral("/proc/self/mountinfo"), bar);
    QObject::connect(watcher, &CardMountWatcher::cardMounted, bar, &CardOfferBar::offer);
    QObject::connect(watcher, &CardMountWatcher::unmounted, bar, &CardOfferBar::withdraw);
    QObject::connect(window, &CustomWindow::isFullScreenChanged, bar, &CardOfferBar::setSuppressed);
    return bar;
}
