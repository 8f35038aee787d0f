#pragma once
// A camera card in a temporary folder, seen through a recorded-style lsblk output, and the
// settings window opened on it as a user would: the window driven through its own controls.

#include "app/apptestsetup.h"
#include "app/settings/SettingsWindow.h"
#include "core/card/VolumeLabeller.h"
#include "core/card/volumefixtures.h"
#include "core/settings/SettingsRecord.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>

#include <functional>
#include <memory>

class AcceptingLabeller : public VolumeLabeller
{
public:
    tvk::Result<void> setLabel(const UsbDisk &, const QString &) override { return {}; }
};

inline QByteArray recordBytes(const std::function<void(SettingsRecord &)> &edit = {})
{
    SettingsRecord record = factoryDefaultRecord();
    if (edit)
        edit(record);
    return record.encode();
}

struct SettingsCard
{
    QTemporaryDir dir;
    FakeVolumeSource volumes;
    AcceptingLabeller labeller;

    // A TAVIK card holding `config` as its config.bin (none when empty), on the given bus.
    explicit SettingsCard(const QByteArray &config, const QString &bus = QStringLiteral("usb"))
    {
        if (!config.isEmpty())
            writeFile(configPath(), config);
        FakeVolume card{QStringLiteral("sdb1"), QStringLiteral("TAVIK"), dir.path()};
        card.bus = bus;
        if (bus == QLatin1String("mmc"))
            card.name = QStringLiteral("mmcblk0p1");
        volumes.setJson(lsblkJsonFor({card}));
    }
    QString configPath() const { return dir.filePath(QStringLiteral("config.bin")); }

    std::unique_ptr<SettingsWindow> open(const QTimeZone &zone = QTimeZone::utc())
    {
        SettingsEnvironment environment;
        environment.volumes = &volumes;
        environment.labeller = &labeller;
        environment.zone = zone;
        environment.documentsFolder = dir.path();
        auto window = std::make_unique<SettingsWindow>(environment);
        window->showWindow();
        return window;
    }
};

// Waits for the window's first page, which comes only after the background read.
inline bool firstPageShown(SettingsWindow &window)
{
    return QTest::qWaitFor([&] { return window.lastSelectedTabIndex() == 0; }, 5000);
}

// The alert now open on the window: "title|informative text"; it is dismissed.
inline QString dismissAlert(QWidget &window)
{
    QMessageBox *alert = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            alert = window.findChild<QMessageBox *>(QStringLiteral("alertSheet"));
            return alert && alert->isVisible();
        },
        2000);
    if (!alert)
        return {};
    const QString seen = alert->text() + u'|' + alert->informativeText();
    alert->done(0); // deletes itself on closing
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return seen;
}

// A user's change to one control of the page, written "kind:name=value":
// seg (segment index), chk (0 or 1), combo (item), text, slider, radio (no value).
inline void applyChange(QWidget *page, const QString &change)
{
    const qsizetype colon = change.indexOf(u':');
    const qsizetype equals = change.indexOf(u'=');
    const QString kind = change.left(colon);
    const QString name = change.mid(colon + 1, equals < 0 ? -1 : equals - colon - 1);
    const QString value = equals < 0 ? QString() : change.mid(equals + 1);
    QWidget *control = page->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    if (kind == QLatin1String("seg")) {
        auto *segment = control->findChild<QAbstractButton *>(QStringLiteral("segment") + value);
        QVERIFY2(segment, qPrintable(change));
        segment->click();
    } else if (kind == QLatin1String("chk")) {
        auto *box = qobject_cast<QAbstractButton *>(control);
        if (box->isChecked() != (value == QLatin1String("1")))
            box->click();
    } else if (kind == QLatin1String("combo")) {
        auto *combo = qobject_cast<QComboBox *>(control);
        combo->setCurrentIndex(value.toInt());
        emit combo->activated(value.toInt());
    } else if (kind == QLatin1String("text")) {
        qobject_cast<QLineEdit *>(control)->setText(value);
    } else if (kind == QLatin1String("slider")) {
        qobject_cast<QSlider *>(control)->setValue(value.toInt());
    } else if (kind == QLatin1String("radio")) {
        qobject_cast<QAbstractButton *>(control)->click();
    }
}
