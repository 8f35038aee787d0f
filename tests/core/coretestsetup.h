#pragma once

#include "core/common/strings.h"

#include <QSettings>
#include <QStandardPaths>

// What a test of texts does first: its own empty user defaults and the English string table.
inline bool initCoreTest()
{
    QStandardPaths::setTestModeEnabled(true);
    tvk::initApplicationIdentity();
    QSettings().clear();
    return tvk::installStringTable();
}
