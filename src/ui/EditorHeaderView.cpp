#include "EditorHeaderView.h"

#include <QPainter>
#include <QPixmap>

namespace {

const int kHeight = 31;

} // namespace

EditorHeaderView::EditorHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
}

QSize EditorHeaderView::sizeHint() const
{
    return QSize(QHeaderView::sizeHint().width(), kHeight);
}

void EditorHeaderView::enterEvent(QEnterEvent* event)
{
    QHeaderView::enterEvent(event);
    emit signalEnter();
}

void EditorHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    static const QPixmap background(QStringLiteral(":/images/bg_title.png"));
    static const QPixmap separator(QStringLiteral(":/images/bg_title_line.png"));
    static const QPixmap ascending(QStringLiteral(":/images/icon_sort_asc.png"));
    static const QPixmap descending(QStringLiteral(":/images/icon_sort_des.png"));
    painter->save();
    painter->drawTiledPixmap(rect, background);
    painter->drawPixmap(QRect(rect.right() - 1, rect.top(), 2, kHeight), separator);
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation()).toString().trimmed() : QString();
    const QRect textRect = rect.adjusted(10, 0, -14, 0);
    painter->setPen(QColor(0x53, 0x53, 0x53));
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text);
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
        const QPixmap& arrow = sortIndicatorOrder() == Qt::AscendingOrder ? ascending : descending;
        const int x = textRect.left() + painter->fontMetrics().horizontalAdvance(text) + 6;
        painter->drawPixmap(x, rect.center().y() - arrow.height() / 2, arrow);
    }
    painter->restore();
}
