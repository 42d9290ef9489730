#include "VexaStyle.h"

#include <QApplication>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

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

void VexaStyle::setBackgroundImage(QWidget* widget, const QString& resource)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, widget->backgroundRole(), QBrush(QPixmap(resource)));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
