#pragma once

#include <QStyledItemDelegate>

class QTableView;
class QWidget;

// Draws the recording list's cells so that a row reads at a glance: the mode as its coloured
// car with the side letter beside it (the mode's name as tooltip), and the file name whole,
// its time of day bright and its side in the side's colour.
class MediaItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The colours of the front and the rear side.
    static QColor sideColor(const QString &side);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Gives the list this look and keeps its columns, and the column that holds it, wide
    // enough for the longest name on the card, never narrower than that column's own width.
    static void install(QTableView *table, QWidget *column);
};
