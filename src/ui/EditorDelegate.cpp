#include "EditorDelegate.h"

#include <QPainter>
#include <QPixmap>

void EditorDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    static const QPixmap normal(QStringLiteral(":/images/bg_list.png"));
    static const QPixmap hovered(QStringLiteral(":/images/bg_list_hover.png"));
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->drawTiledPixmap(option.rect, selected ? hovered : normal);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(12);
    painter->setFont(font);
    painter->setPen(selected ? QColor(20, 98, 145) : QColor(84, 84, 84));
    painter->drawText(option.rect.adjusted(10, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}
