#pragma once

#include <QKeySequence>
#include <QString>

class QWidget;

namespace tvk {

// Names a control for a screen reader and explains it in its tooltip, with the key that does
// the same when there is one: "Open folder (Ctrl+O)". The key is written as the desktop writes
// it, so that it reads right in every language.
void setControlTip(QWidget *control, const QString &text, const QKeySequence &keys = {});

// The tooltip text of setControlTip().
QString controlTipText(const QString &text, const QKeySequence &keys);

} // namespace tvk
