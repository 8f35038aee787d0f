#pragma once

#include "PlayerWindowUi.h"
#include "catalogue/TVKMediaList.h"

#include <QObject>
#include <QPointer>

class CustomWindow;
class QLabel;
class TVKMediaListModel;

// The controller of the player window: start-up, the recording list or the route map on the
// right, the folder choice and the window's life.
class TVKAppDelegate : public QObject, public TVKMediaListDelegate
{
    Q_OBJECT
    Q_PROPERTY(int rightViewMode READ rightViewMode NOTIFY rightViewModeChanged)
public:
    explicit TVKAppDelegate(QObject *parent = nullptr);
    ~TVKAppDelegate() override;

    // Start-up, in this order; `launch` runs all three and shows the window.
    void awakeFromNib();
    void setupInitialValues();
    void applicationDidFinishLaunching();
    void launch(const QString &folder = {});

    CustomWindow *window() const { return m_window; }
    const PlayerWindowUi &ui() const { return m_ui; }
    TVKMediaList *mediaList() const { return m_mediaList; }
    TVKMediaListModel *mediaListModel() const { return m_model; }

    static QSize minWindowSize() { return {1020, 640}; }
    // The minimum size centred in the available area of the window's screen.
    QRect minWindowFrame() const;

    int rightViewMode() const { return m_rightViewMode; }
    void clickMediaListViewButton();
    void clickMapViewButton();
    void updateSideViewButton();

    // Opens a folder: both players stop, the catalogue walks the folder in the background.
    void openFolder(const QString &folder);
    void openMediaDirectoryDialog();
    void closeWindow();

    void mediaListChanged(TVKMediaList *list) override;

signals:
    void rightViewModeChanged(int mode);
    // The catalogue has published a new list and the window shows it.
    void mediaListShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutMapContainer();
    void updateEmptyListNote();

    CustomWindow *m_window = nullptr;
    PlayerWindowUi m_ui;
    TVKMediaList *m_mediaList = nullptr;
    TVKMediaListModel *m_model = nullptr;
    QLabel *m_emptyListNote = nullptr;
    int m_rightViewMode = 0;
};
