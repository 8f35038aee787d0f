#include "app/controls/ControlTip.h"

#include <QWidget>

namespace tvk {

QString controlTipText(const QString &text, const QKeySequence &keys)
{
    if (keys.isEmpty())
        return text;
    return QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText));
}

void setControlTip(QWidget *control, const QString &text, const QKeySequence &keys)
{
    control->setAccessibleName(text);
    control->setToolTip(controlTipText(text, keys));
}

} // namespace tvk
