#include "app/telemetry/MapSettingsDialog.h"

#include "core/common/strings.h"
#include "core/map/TileServer.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

MapSettingsDialog::MapSettingsDialog(QWidget *parent)
    : QDialog(parent), m_url(new QLineEdit(this)), m_attribution(new QLineEdit(this)),
      m_cache(new QSpinBox(this)), m_note(new QLabel(this))
{
    setObjectName(QStringLiteral("mapSettings"));
    setWindowTitle(tvk::text("map.settings_title"));
    m_url->setObjectName(QStringLiteral("tileUrl"));
    m_url->setPlaceholderText(tvk::text("map.tile_url_hint"));
    m_url->setMinimumWidth(m_url->fontMetrics().horizontalAdvance(u'x') * 48);
    m_attribution->setObjectName(QStringLiteral("tileAttribution"));
    m_attribution->setPlaceholderText(tvk::text("map.attribution_hint"));
    m_cache->setObjectName(QStringLiteral("cacheMegabytes"));
    m_cache->setRange(TileServer::kMinCacheMegabytes, TileServer::kMaxCacheMegabytes);
    m_cache->setSingleStep(50);
    m_cache->setSuffix(tvk::text("map.cache_unit"));
    m_note->setObjectName(QStringLiteral("mapSettingsNote"));
    m_note->setWordWrap(true);
    m_note->hide();

    auto *clear = new QPushButton(tvk::text("map.clear_cache"), this);
    clear->setObjectName(QStringLiteral("clearMapCache"));
    clear->setAutoDefault(false);
    auto *cacheRow = new QHBoxLayout;
    cacheRow->addWidget(m_cache);
    cacheRow->addWidget(clear);
    cacheRow->addStretch();

    auto *form = new QFormLayout(this);
    form->addRow(tvk::text("map.tile_url"), m_url);
    form->addRow(tvk::text("map.attribution"), m_attribution);
    form->addRow(tvk::text("map.cache_size"), cacheRow);
    form->addRow(m_note);
    // A form label names its field for a screen reader too.
    m_url->setAccessibleName(tvk::text("map.tile_url"));
    m_attribution->setAccessibleName(tvk::text("map.attribution"));
    m_cache->setAccessibleName(tvk::text("map.cache_size"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tvk::text("cancel"));
    QPushButton *reset =
        buttons->addButton(tvk::text("map.default_server"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("defaultTileServer"));
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &MapSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MapSettingsDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] {
        TileServer server;
        server.cacheMegabytes = m_cache->value();
        showServer(server);
    });
    connect(clear, &QPushButton::clicked, this, &MapSettingsDialog::clearCache);
    showServer(tileserver::load(QSettings()));
}

void MapSettingsDialog::showServer(const TileServer &server)
{
    m_url->setText(server.urlTemplate);
    m_attribution->setText(server.attribution);
    m_cache->setValue(server.cacheMegabytes);
}

void MapSettingsDialog::accept()
{
    TileServer server;
    server.urlTemplate = m_url->text();
    server.attribution = m_attribution->text();
    server.cacheMegabytes = m_cache->value();
    QSettings settings;
    if (const auto stored = tileserver::store(settings, server); !stored) {
        m_note->setText(stored.failure().message());
        m_note->show();
        m_url->setFocus();
        return;
    }
    emit tileServerChosen(tileserver::load(settings));
    QDialog::accept();
}

void MapSettingsDialog::clearCache()
{
    emit cacheClearRequested();
    m_note->setText(tvk::text("map.cache_cleared"));
    m_note->show();
}
