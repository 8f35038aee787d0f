#include "app/controls/ReadingOrder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace {

// Controls whose middles lie this close to the middle of the first control of a row share it.
constexpr int kRowTolerance = 8;

class ReadingOrderTabs : public QObject
{
public:
    explicit ReadingOrderTabs(QWidget *window) : QObject(window), m_window(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        if (static_cast<QWidget *>(watched)->window() != m_window)
            return false;
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        return moveFocus(forward);
    }

private:
    QList<QWidget *> stops() const
    {
        QList<QWidget *> stops;
        const auto widgets = m_window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy() &&
                (widget->focusPolicy() & Qt::TabFocus) && !widget->size().isEmpty())
                stops << widget;
        }
        const auto middle = [this](const QWidget *w) {
            return w->mapTo(m_window, w->rect().center()).y();
        };
        const auto left = [this](const QWidget *w) {
            return w->mapTo(m_window, QPoint()).x();
        };
        std::stable_sort(stops.begin(), stops.end(),
                         [&](QWidget *a, QWidget *b) { return middle(a) < middle(b); });
        const bool rightToLeft = m_window->layoutDirection() == Qt::RightToLeft;
        for (qsizetype first = 0; first < stops.size();) {
            qsizetype end = first + 1;
            while (end < stops.size() && middle(stops[end]) - middle(stops[first]) <= kRowTolerance)
                ++end;
            std::stable_sort(stops.begin() + first, stops.begin() + end,
                             [&](QWidget *a, QWidget *b) {
                                 return rightToLeft ? left(a) > left(b) : left(a) < left(b);
                             });
            first = end;
        }
        return stops;
    }

    bool moveFocus(bool forward)
    {
        const QList<QWidget *> order = stops();
        if (order.isEmpty())
            return false;
        // The stop that holds the keyboard: the focus widget itself or a control around it
        // (the inside of a web page, of a spin box).
        const QWidget *focus = QApplication::focusWidget();
        qsizetype at = order.indexOf(focus);
        for (qsizetype i = 0; at < 0 && focus && i < order.size(); ++i) {
            if (order[i]->isAncestorOf(focus))
                at = i;
        }
        const qsizetype count = order.size();
        const qsizetype next =
            at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
        order[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

    QWidget *m_window;
};

} // namespace

void followReadingOrder(QWidget *window)
{
    new ReadingOrderTabs(window);
}
