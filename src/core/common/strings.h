#pragma once

#include <QString>

class QSettings;

namespace tvk {

// Texts of the string table, looked up by key. A key without a text gives the key itself.
QString text(const char *key);
// Keys ending in "_fmt" carry one "%1" for their number.
QString textFmt(const char *key, qint64 number);

// Names under which the application and the command line keep their user defaults.
void initApplicationIdentity();

// Loads the string table of the first preferred language that has one (English otherwise)
// into the running application. Returns false when no table could be loaded.
bool installStringTable();

// The start-up's language step: logs the stored preferred languages and stores "en" as the
// only one, so that the string tables resolve to English from the next launch on.
void recordPreferredLanguages(QSettings &settings);

inline constexpr char kPreferredLanguagesKey[] = "AppleLanguages";

} // namespace tvk
