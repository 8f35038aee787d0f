#include "app/controls/ReadingOrder.h"

#include "app/controls/FocusRing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

// Controls whose middles lie this close to the middle of the first control of a row share it.
constexpr int kRowTolerance = 8;

// Buttons that exclude each other are one stop, as in Qt: the chosen one, or the first while
// none is; the arrow keys move in the group. Qt takes Tab from the others once one has had the
// keyboard, so their own focus policy does not tell.
bool standsForItsGroup(const QWidget *widget)
{
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    if (!button || !button->isCheckable())
        return widget->focusPolicy() & Qt::TabFocus;
    QList<QAbstractButton *> peers;
    if (button->group() && button->group()->exclusive())
        peers = button->group()->buttons();
    else if (button->autoExclusive() && button->parentWidget())
        peers = button->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
    peers.removeIf([button](const QAbstractButton *peer) {
        return !peer->isVisible() || !peer->isEnabled() || peer->focusPolicy() == Qt::NoFocus ||
               (!button->group() && !peer->autoExclusive());
    });
    if (peers.size() < 2)
        return widget->focusPolicy() & Qt::TabFocus;
    const auto chosen = std::find_if(peers.begin(), peers.end(),
                                     [](const QAbstractButton *peer) { return peer->isChecked(); });
    return button == (chosen != peers.end() ? *chosen : peers.first());
}

// The ring around the control Tab has reached, laid on the control itself, for the controls
// whose style draws no mark of its own (a push button or a list on some desktops).
class TabMark : public QWidget
{
public:
    TabMark()
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    void follow(QWidget *control)
    {
        if (m_control)
            m_control->removeEventFilter(this);
        m_control = control;
        if (!control) {
            hide();
            setParent(nullptr);
            return;
        }
        setParent(control);
        setGeometry(control->rect());
        control->installEventFilter(this);
        show();
        raise();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_control && event->type() == QEvent::Resize)
            setGeometry(m_control->rect());
        else if (watched == m_control && event->type() == QEvent::FocusOut)
            follow(nullptr);
        return false;
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawFocusRing(painter, rect(), palette());
    }

private:
    QPointer<QWidget> m_control;
};

class ReadingOrderTabs : public QObject
{
public:
    explicit ReadingOrderTabs(QWidget *window) : QObject(window), m_window(window)
    {
        qApp->installEventFilter(this);
    }
    ~ReadingOrderTabs() override
    {
        if (m_mark && !m_mark->parent())
            delete m_mark;
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
            // Children that are windows of their own (an alert over this one) keep their keys.
            if (widget->window() == m_window && widget->isVisible() && widget->isEnabled() &&
                !widget->focusProxy() && widget->focusPolicy() != Qt::NoFocus &&
                !widget->size().isEmpty() && standsForItsGroup(widget))
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
        return groupedTogether(stops);
    }

    // A framed group is read whole where its first control comes, before what stands beside
    // it: the car number under two check boxes before the box to their right.
    static QList<QWidget *> groupedTogether(const QList<QWidget *> &stops)
    {
        const auto groupOf = [](const QWidget *widget) -> const QWidget * {
            for (const QWidget *w = widget->parentWidget(); w && !w->isWindow();
                 w = w->parentWidget()) {
                if (qobject_cast<const QGroupBox *>(w))
                    return w;
            }
            return nullptr;
        };
        QList<QWidget *> grouped;
        QList<const QWidget *> done;
        for (QWidget *stop : stops) {
            const QWidget *group = groupOf(stop);
            if (!group) {
                grouped << stop;
                continue;
            }
            if (done.contains(group))
                continue;
            done << group;
            for (QWidget *member : stops) {
                if (groupOf(member) == group)
                    grouped << member;
            }
        }
        return grouped;
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
        QWidget *reached = order[next];
        reached->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        // A web page marks its own focus.
        if (!reached->parentWidget() || !reached->parentWidget()->inherits("QWebEngineView")) {
            if (!m_mark)
                m_mark = new TabMark;
            m_mark->follow(reached);
        }
        return true;
    }

    QWidget *m_window;
    // Made at the first Tab; owned here while it marks nothing, by the control it marks
    // otherwise.
    QPointer<TabMark> m_mark;
};

} // namespace

void followReadingOrder(QWidget *window)
{
    new ReadingOrderTabs(window);
}
