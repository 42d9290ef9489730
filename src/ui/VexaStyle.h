#pragma once

#include <QString>

class QComboBox;
class QWidget;

// The look every dialog gives its labels, buttons and edits.
class VexaStyle
{
public:
    // Arial at the default size, the style sheet, fixed width/height when above 0, then adjustSize().
    static void applyWidgetStyle(QWidget* widget, const QString& styleSheet, int width = 0, int height = 0);
    // The look of an editable combo box, its pop-up list included: the rows in the combo's font and
    // colour, each about as tall as an edit field.
    static void applyComboStyle(QComboBox* combo, int width, int height);
    // Paints a widget's background with an image from the resources.
    static void setBackgroundImage(QWidget* widget, const QString& resource);
};
