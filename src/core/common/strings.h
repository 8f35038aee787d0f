#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace tvk {

// Texts of the string table, looked up by key. A key without a text gives the key itself.
QString text(const char *key);
// Keys ending in "_fmt" carry one "%1" for their number.
QString textFmt(const char *key, qint64 number);

// Names under which the application and the command line keep their user defaults.
void initApplicationIdentity();

// The languages the program's texts come in, by their ISO 639 codes.
QStringList interfaceLanguages();
// The language the user chose in the program, remembered; empty to follow the system.
QString chosenLanguage();
void setChosenLanguage(const QString &language);
// The language shown: the chosen one, else the first of the system's languages that the
// program has ("ko-KR" gives "ko"), else English.
QString languageFor(const QString &chosen, const QStringList &systemLanguages);
QString interfaceLanguage();

// Loads the string table of the interface language over the English one (which answers for
// any text the other lacks) into the running application, replacing tables loaded before.
// Returns false when a table could not be loaded.
bool installStringTable();

// The start-up's language step: logs the stored preferred languages and stores "en" as the
// only one, as every version did; the interface language is kept apart, under kLanguageKey.
void recordPreferredLanguages(QSettings &settings);

inline constexpr char kPreferredLanguagesKey[] = "AppleLanguages";
inline constexpr char kLanguageKey[] = "interface/language";

} // namespace tvk
