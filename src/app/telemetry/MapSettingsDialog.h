#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;
struct TileServer;

// "Map settings…": the tile server of the map, its attribution and the size of the disk
// cache of tiles, kept in the program's own preferences; and "Clear map cache".
class MapSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MapSettingsDialog(QWidget *parent = nullptr);

    // Stores the choices and hands them on; the dialog stays open with the reason when they
    // cannot be stored.
    void accept() override;

signals:
    // The stored server, for the maps to follow.
    void tileServerChosen(const TileServer &server);
    // "Clear map cache" was pressed.
    void cacheClearRequested();

private:
    void showServer(const TileServer &server);
    void clearCache();

    QLineEdit *m_url;
    QLineEdit *m_attribution;
    QSpinBox *m_cache;
    QLabel *m_note;
};
