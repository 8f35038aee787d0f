#pragma once
// What a reader, a small screen and a keyboard meet in a window: the controls a screen reader
// would announce without a name, the texts that do not fit the rectangle they are drawn in, and
// the controls Tab stops at in the order a reader meets them.

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <algorithm>

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

// Of radio buttons that exclude each other Tab stops at one: the chosen, or the first.
inline bool isTabStop(const QWidget *widget)
{
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    const bool grouped = button && button->group() && button->group()->exclusive();
    if (!button || !(grouped || (button->autoExclusive() && button->parentWidget())))
        return widget->focusPolicy() & Qt::TabFocus;
    auto peers =
        grouped
            ? button->group()->buttons()
            : button->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
    peers.removeIf([grouped](const QAbstractButton *peer) {
        return (!grouped && !peer->autoExclusive()) || !peer->isVisible() || !peer->isEnabled();
    });
    const auto chosen = std::find_if(peers.begin(), peers.end(),
                                     [](const QAbstractButton *peer) { return peer->isChecked(); });
    return button == (chosen != peers.end() ? *chosen : peers.first());
}

// The controls Tab stops at: shown in this window (not in an alert over it), enabled, taking
// focus themselves rather than through another.
inline QList<QWidget *> tabStops(QWidget *window)
{
    QList<QWidget *> stops;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->window() == window && widget->isVisible() && widget->isEnabled() &&
            !widget->focusProxy() && widget->focusPolicy() != Qt::NoFocus &&
            !widget->size().isEmpty() && isTabStop(widget))
            stops << widget;
    }
    return stops;
}

// The stops as a reader meets them: rows from the top, each left to right. Controls whose
// middles lie within a few pixels of the first control of a row belong to that row.
inline QList<QWidget *> inReadingOrder(QList<QWidget *> stops, QWidget *window)
{
    const auto middle = [window](const QWidget *w) {
        return w->mapTo(window, w->rect().center()).y();
    };
    const auto left = [window](const QWidget *w) {
        return w->mapTo(window, QPoint(0, 0)).x();
    };
    std::stable_sort(stops.begin(), stops.end(),
                     [&](QWidget *a, QWidget *b) { return middle(a) < middle(b); });
    constexpr int kRowTolerance = 8;
    QList<QWidget *> ordered;
    for (qsizetype first = 0; first < stops.size();) {
        qsizetype end = first + 1;
        while (end < stops.size() && middle(stops[end]) - middle(stops[first]) <= kRowTolerance)
            ++end;
        QList<QWidget *> row = stops.mid(first, end - first);
        std::stable_sort(row.begin(), row.end(),
                         [&](QWidget *a, QWidget *b) { return left(a) < left(b); });
        ordered << row;
        first = end;
    }
    // A framed group is read whole, where its first control comes.
    const auto groupOf = [](const QWidget *widget) -> const QWidget * {
        for (const QWidget *w = widget->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
            if (w->inherits("QGroupBox"))
                return w;
        return nullptr;
    };
    QList<QWidget *> grouped;
    for (QWidget *stop : std::as_const(ordered)) {
        const QWidget *group = groupOf(stop);
        if (grouped.contains(stop))
            continue;
        for (QWidget *member : std::as_const(ordered))
            if (member == stop || (group && groupOf(member) == group))
                grouped << member;
    }
    return grouped;
}

inline QString describe(const QWidget *widget)
{
    if (!widget)
        return QStringLiteral("(none)");
    QString text = widget->objectName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
        button && text.isEmpty())
        text = button->text();
    return QStringLiteral("%1 (%2)").arg(text,
                                         QString::fromLatin1(widget->metaObject()->className()));
}
