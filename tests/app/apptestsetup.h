#pragma once

#include "common/strings.h"
#include "controls/AppResources.h"

#include <QStandardPaths>

// What every test of the application does first: its own user defaults, the application's
// images and map page, and the English string table.
inline void initApplicationTest()
{
    QStandardPaths::setTestModeEnabled(true);
    tvk::initApplicationIdentity();
    tvk::initAppResources();
    tvk::installStringTable();
}
