#pragma once

#include <QByteArray>
#include <QString>

// Names come from cards anyone can write: every place we hand one to another reader goes
// through one of these, so that the name cannot act as markup, a formula or a command.
namespace tvk {

// For a terminal: control characters (C0, DEL, C1), the bidirectional overrides and the
// backslash itself become visible escapes ("\x1b", "\u202e", "\\"), so that a name can
// neither move the cursor nor pass for another name.
QString terminalText(const QString &text);

// For XML 1.0 text and attributes. XML 1.0 cannot hold most C0 controls even as character
// references, so each character it cannot hold (and a lone surrogate) becomes U+FFFD, which
// readers show as a visible mark instead of refusing the document.
QString xmlText(const QString &text);

// A CSV cell holding text: quoted when it holds a comma, a quote or a line end, and begun
// with "'" when a spreadsheet would take it for a formula (= + - @, a tab or a carriage
// return first). Numbers are not text cells and are written as they are.
QByteArray csvTextCell(const QString &text);

// A line of SHA256SUMS as sha256sum writes and checks it: a name holding a backslash, a
// newline or a carriage return is written escaped, the line begun with a backslash.
QByteArray sha256sumLine(const QByteArray &hexSum, const QString &name);

// A link to a file of the same folder for an HTML page: "./" and the percent-encoded name,
// so that no name reads as a scheme ("javascript:"), a fragment or a query.
QString relativeHref(const QString &fileName);

} // namespace tvk
