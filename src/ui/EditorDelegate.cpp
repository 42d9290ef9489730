#include "EditorDelegate.h"

#include "ProfileConfigModel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace {

// The status line stops growing its column here; longer lines are elided, the tool tip has them whole.
const int kWidestStatus = 280;

QFont textFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(12);
    return font;
}

QFont statusFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(10);
    return font;
}

QString statusOf(const QModelIndex& index)
{
    return index.data(ProfileConfigModel::WatchStatusRole).toString();
}

} // namespace

void EditorDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    static const QPixmap normal(QStringLiteral(":/images/bg_list.png"));
    static const QPixmap hovered(QStringLiteral(":/images/bg_list_hover.png"));
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->drawTiledPixmap(option.rect, selected ? hovered : normal);
    painter->setFont(textFont());
    painter->setPen(selected ? QColor(20, 98, 145) : QColor(84, 84, 84));
    const QRect text = option.rect.adjusted(10, 0, -4, 0);
    const QString status = statusOf(index);
    if (status.isEmpty()) {
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    } else {
        const int middle = text.top() + text.height() / 2 + 1;
        painter->drawText(QRect(text.left(), text.top(), text.width(), middle - text.top()),
                          Qt::AlignLeft | Qt::AlignBottom, index.data(Qt::DisplayRole).toString());
        painter->setFont(statusFont().resolve(option.font));
        painter->setPen(selected ? QColor(20, 98, 145) : QColor(46, 125, 50));
        const QFontMetrics metrics = painter->fontMetrics();
        painter->drawText(QRect(text.left(), middle, text.width(), text.bottom() - middle),
                          Qt::AlignLeft | Qt::AlignTop,
                          metrics.elidedText(status, Qt::ElideRight, text.width()));
    }
    painter->restore();
}

QSize EditorDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString status = statusOf(index);
    if (status.isEmpty())
        return size;
    const int line = QFontMetrics(statusFont().resolve(option.font)).horizontalAdvance(status);
    // The text's insets and the grid line the cell gives up.
    size.setWidth(qMax(size.width(), qMin(line, kWidestStatus) + 10 + 4 + 1));
    return size;
}
