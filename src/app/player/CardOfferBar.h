#pragma once

#include "core/card/CardMount.h"

#include <QList>
#include <QWidget>

#include <utility>

class CustomWindow;
class QLabel;
class QPushButton;
class QToolButton;
class MediaList;
struct PlayerWindowUi;

// A thin bar under the head bar that offers a camera card mounted while the window is open.
// It only asks: the folder open in the window stays until the user clicks. With several cards
// the latest is offered; dismissing or unmounting it brings back the one before.
class CardOfferBar : public QWidget
{
    Q_OBJECT
public:
    explicit CardOfferBar(QWidget *parent = nullptr);

    void offer(const QString &mountPoint, CardMount kind);
    void withdraw(const QString &mountPoint);
    // Empty when nothing is offered.
    QString offeredMountPoint() const;
    QPushButton *openButton() const { return m_open; }
    QToolButton *dismissButton() const { return m_dismiss; }

    // Kept hidden while the window shows only the video.
    void setSuppressed(bool suppressed);

signals:
    void openRequested(const QString &folder);
    // A card with settings but no recordings: its settings are what there is to open.
    void settingsRequested(const QString &folder);

private:
    void showLatest();

    QList<std::pair<QString, CardMount>> m_offers;
    QLabel *m_text = nullptr;
    QPushButton *m_open = nullptr;
    QToolButton *m_dismiss = nullptr;
    bool m_suppressed = false;
};

// Puts the bar under the window's head bar and feeds it from the system's mount table. The
// caller opens the folder the bar's openRequested names.
CardOfferBar *installCardOffer(const PlayerWindowUi &ui, CustomWindow *window,
                               const MediaList *mediaList);
