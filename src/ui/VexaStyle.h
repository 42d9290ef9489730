#pragma once

#include <QString>

class QWidget;

// The look every dialog gives its labels, buttons and edits.
class VexaStyle
{
public:
    // Arial at the default size, the style sheet, fixed width/height when above 0, then adjustSize().
    static void applyWidgetStyle(QWidget* widget, const QString& styleSheet, int width = 0, int height = 0);
    // Paints a widget's background with an image from the resources.
    static void setBackgroundImage(QWidget* widget, const QString& resource);
};
