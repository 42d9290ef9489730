#pragma once

#include <QStyledItemDelegate>

// Paints the profile rows: row images behind, Verdana 12 px text, blue on the selected row.
class EditorDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
