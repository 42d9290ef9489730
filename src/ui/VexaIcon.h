#pragma once

#include <QLabel>
#include <QPixmap>

#include <array>

// A label that acts as an icon button with four looks: normal, inactive, pressed and hovered. With a
// text it draws itself from a three-part background (left 34 px, a middle as wide as the text, right
// 13 px) of the current state's image set.
class VexaIcon : public QLabel
{
    Q_OBJECT

public:
    enum State
    {
        Normal = 0,
        Inactive = 1,
        Pressed = 2,
        Hovered = 3
    };

    explicit VexaIcon(QWidget* parent = nullptr);

    State state() const { return m_state; }
    void setState(State state);
    // The left, middle and right parts for one state.
    void setStateImages(State state, const QPixmap& left, const QPixmap& middle, const QPixmap& right);
    void setButtonText(const QString& text);
    QString buttonText() const { return m_text; }

signals:
    void signalMousePress();
    void signalHoverStateChange();
    void signalPressStateChange();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // With keyboard focus, Space, Enter and Return press the button.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    State m_state = Normal;
    QString m_text;
    std::array<std::array<QPixmap, 3>, 4> m_parts;
};
