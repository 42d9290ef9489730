#include "VexaStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QWidget>

namespace {

const QString kComboStyle =
    QStringLiteral("QComboBox { font-size : 13px;\n color : #535353 }\n"
                   "QComboBox QAbstractItemView { font-size : 13px;\n color : #535353 }\n"
                   "QComboBox QAbstractItemView::item { min-height : 22px;\n"
                   " padding : 0px 3px }");

} // namespace

void VexaStyle::applyWidgetStyle(QWidget* widget, const QString& styleSheet, int width, int height)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(QApplication::font().pointSizeF());
    widget->setFont(font);
    widget->setStyleSheet(styleSheet);
    if (width > 0)
        widget->setFixedWidth(width);
    if (height > 0)
        widget->setFixedHeight(height);
    widget->adjustSize();
}

void VexaStyle::applyComboStyle(QComboBox* combo, int width, int height)
{
    applyWidgetStyle(combo, kComboStyle, width, height);
    // The combo's own row painter ignores the style sheet and draws rows just as tall as the text;
    // a styled one follows the sheet's item rules.
    combo->setItemDelegate(new QStyledItemDelegate(combo));
}

void VexaStyle::setBackgroundImage(QWidget* widget, const QString& resource)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, widget->backgroundRole(), QBrush(QPixmap(resource)));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
