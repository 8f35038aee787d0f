#include "app/player/MediaItemDelegate.h"

#include "app/player/MediaListModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace {

constexpr int kModeColumn = 0;
constexpr int kFileColumn = 3;
constexpr int kPadding = 4;
constexpr int kIconSide = 16;
// The widest name the camera writes, for a list that is still empty.
const char *const kWidestName[] = {"motion_20240131_", "235959", "_R", ".AVI"};

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

// The pieces of a name as drawn, with their widths: plain, plain, bold, plain.
int piecesWidth(const QFont &font, const QStringList &parts)
{
    const QFontMetrics plain(font);
    const QFontMetrics bold(boldOf(font));
    return plain.horizontalAdvance(parts.value(0) + parts.value(1) + parts.value(3)) +
           bold.horizontalAdvance(parts.value(2));
}

QString sideLetter(const QModelIndex &index)
{
    return index.data(MediaListModel::NamePartsRole).toStringList().value(2).mid(1);
}

// A row of a recording, not one that stands for several (a trip).
bool isRecording(const QModelIndex &index)
{
    return index.data(MediaListModel::NamePartsRole).isValid();
}

} // namespace

QColor MediaItemDelegate::sideColor(const QString &side)
{
    if (side.endsWith(u'F'))
        return QColor(0x5a, 0xa9, 0xff);
    if (side.endsWith(u'R'))
        return QColor(0xf0, 0xa2, 0x4a);
    return {};
}

QSize MediaItemDelegate::sizeHint(const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (!isRecording(index))
        return size;
    if (index.column() == kModeColumn) {
        const int letter = QFontMetrics(boldOf(option.font)).horizontalAdvance(u'R');
        size.setWidth(kIconSide + 3 + letter + 2 * kPadding);
    } else if (index.column() == kFileColumn) {
        const QStringList parts = index.data(MediaListModel::NamePartsRole).toStringList();
        size.setWidth(piecesWidth(option.font, parts) + 2 * kPadding + 2);
    }
    return size;
}

void MediaItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    // A name that does not fit is shortened in the middle, in one colour, rather than cut.
    const bool fits =
        index.column() != kFileColumn ||
        piecesWidth(option.font, index.data(MediaListModel::NamePartsRole).toStringList()) <=
            option.rect.width() - 2 * kPadding;
    if ((index.column() != kModeColumn && index.column() != kFileColumn) || !isRecording(index) ||
        !fits) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row's ground and selection as the style draws them, the content here.
    QStyleOptionViewItem ground = option;
    initStyleOption(&ground, index);
    const QIcon icon = ground.icon;
    ground.text.clear();
    ground.icon = QIcon();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : nullptr;
    if (style)
        style->drawControl(QStyle::CE_ItemViewItem, &ground, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QStringList parts = index.data(MediaListModel::NamePartsRole).toStringList();
    const QColor side = selected ? text : sideColor(parts.value(2));
    const QRect area = option.rect.adjusted(kPadding, 0, -kPadding, 0);
    painter->save();
    if (index.column() == kModeColumn) {
        const QString letter = sideLetter(index);
        const QFont bold = boldOf(option.font);
        const int width =
            kIconSide + (letter.isEmpty() ? 0 : 3 + QFontMetrics(bold).horizontalAdvance(letter));
        int x = area.x() + (area.width() - width) / 2;
        icon.paint(painter,
                   QRect(x, area.y() + (area.height() - kIconSide) / 2, kIconSide, kIconSide));
        painter->setFont(bold);
        painter->setPen(side);
        painter->drawText(QRect(x + kIconSide + 3, area.y(), area.width(), area.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, letter);
    } else {
        QColor dim = text;
        dim.setAlphaF(selected ? 0.85f : 0.6f);
        const struct
        {
            QString text;
            QColor color;
            bool bold;
        } pieces[] = {{parts.value(0), dim, false},
                      {parts.value(1), text, false},
                      {parts.value(2), side, true},
                      {parts.value(3), dim, false}};
        int x = area.x();
        for (const auto &piece : pieces) {
            const QFont font = piece.bold ? boldOf(option.font) : option.font;
            painter->setFont(font);
            painter->setPen(piece.color);
            const int width = QFontMetrics(font).horizontalAdvance(piece.text);
            painter->drawText(QRect(x, area.y(), width + 1, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, piece.text);
            x += width;
        }
    }
    painter->restore();
}

void MediaItemDelegate::install(QTableView *table, QWidget *column)
{
    table->setItemDelegate(new MediaItemDelegate(table));
    table->ensurePolished(); // the style sheet's font
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(true);
    const int least = column->minimumWidth();
    const auto fit = [table, column, header, least] {
        const QFont font = table->font();
        const QFontMetrics metrics(font);
        const int letter = QFontMetrics(boldOf(font)).horizontalAdvance(u'R');
        // Mode, date and time as wide as their widest content or their title.
        const int contents[] = {kIconSide + 3 + letter,
                                metrics.horizontalAdvance(QStringLiteral("2024-12-28")),
                                metrics.horizontalAdvance(QStringLiteral("23:59:59"))};
        int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
        for (int section = 0; section < kFileColumn; ++section) {
            const int size =
                qMax(header->sectionSizeHint(section), contents[section] + 2 * kPadding + 8);
            header->resizeSection(section, size);
            width += size;
        }
        int name =
            piecesWidth(font, {QLatin1String(kWidestName[0]), QLatin1String(kWidestName[1]),
                               QLatin1String(kWidestName[2]), QLatin1String(kWidestName[3])});
        const QAbstractItemModel *model = table->model();
        for (int row = 0; model && row < model->rowCount(); ++row) {
            const QModelIndex cell = model->index(row, kFileColumn);
            name = qMax(name,
                        piecesWidth(font, cell.data(MediaListModel::NamePartsRole).toStringList()));
        }
        column->setFixedWidth(qMax(least, width + name + 2 * kPadding + 2));
    };
    QObject::connect(table->model(), &QAbstractItemModel::modelReset, table, fit);
    fit();
}
