#pragma once
// What a reader and a small screen see of a window: the controls a screen reader would announce
// without a name, and the texts that do not fit the rectangle they are drawn in.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// Roles a user acts on; a reader must say what each of them does.
inline bool isInteractiveRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::Dial:
        return true;
    default:
        return false;
    }
}

// A control of any role a user acts on; a map is moved and zoomed like one.
inline bool isInteractive(QAccessibleInterface *node)
{
    return isInteractiveRole(node->role()) ||
           (node->object() && node->object()->inherits("QWebEngineView"));
}

inline int interactiveControlCount(QAccessibleInterface *node, int depth = 0)
{
    if (!node || !node->isValid() || depth > 40 || node->state().invisible)
        return 0;
    int count = isInteractive(node) ? 1 : 0;
    for (int i = 0; i < node->childCount(); ++i)
        count += interactiveControlCount(node->child(i), depth + 1);
    return count;
}

inline int interactiveControlCount(QWidget *window)
{
    return interactiveControlCount(QAccessible::queryAccessibleInterface(window));
}

// "objectName (class)" of each shown interactive control under `root` without a name.
inline void collectUnnamed(QAccessibleInterface *node, QStringList &unnamed, int depth = 0)
{
    if (!node || !node->isValid() || depth > 40)
        return;
    if (node->state().invisible)
        return;
    if (isInteractive(node) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject *object = node->object();
        unnamed << QStringLiteral("%1 (%2)").arg(
            object ? object->objectName() : QString(),
            object ? QString::fromLatin1(object->metaObject()->className())
                   : QString::number(node->role()));
    }
    // Items of a list or table are named by their rows; the list itself is what needs a name.
    if (node->role() == QAccessible::List || node->role() == QAccessible::Table ||
        node->role() == QAccessible::Tree)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), unnamed, depth + 1);
}

inline QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

// A label or button whose text needs more room than it was given, written "objectName: text".
// Labels that shorten their text on purpose say so with the property "elides".
inline QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->property("elides").toBool())
            continue;
        QString text;
        bool fits = true;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            if (text.isEmpty())
                continue;
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->minimumSizeHint().width() <= label->width() &&
                                           label->sizeHint().height() <= label->height();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            if (text.isEmpty())
                continue;
            fits = button->sizeHint().width() <= button->width();
        } else {
            continue;
        }
        if (!fits)
            cut << QStringLiteral("%1: %2").arg(widget->objectName(), text);
    }
    return cut;
}
