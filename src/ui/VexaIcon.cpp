#include "VexaIcon.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

VexaIcon::VexaIcon(QWidget* parent) : QLabel(parent) {}

void VexaIcon::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit signalPressStateChange();
    update();
}

void VexaIcon::setStateImages(State state, const QPixmap& left, const QPixmap& middle, const QPixmap& right)
{
    m_parts[state] = {left, middle, right};
    update();
}

void VexaIcon::setButtonText(const QString& text)
{
    m_text = text;
    setFixedSize(QFontMetrics(font()).horizontalAdvance(text) + 47, 32);
    update();
}

void VexaIcon::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    if (m_state == Inactive || m_state == Hovered)
        return;
    m_state = Hovered;
    emit signalHoverStateChange();
}

void VexaIcon::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (m_state == Inactive || m_state == Normal)
        return;
    m_state = Normal;
    emit signalHoverStateChange();
}

void VexaIcon::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    emit signalMousePress();
}

void VexaIcon::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit signalMousePress();
        return;
    }
    QLabel::keyPressEvent(event);
}

void VexaIcon::paintEvent(QPaintEvent* event)
{
    if (m_text.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const auto& parts = m_parts[m_state].at(0).isNull() ? m_parts[Normal] : m_parts[m_state];
    const int middleWidth = width() - 34 - 13;
    painter.drawPixmap(QRect(0, 0, 34, height()), parts[0]);
    painter.drawTiledPixmap(QRect(34, 0, middleWidth, height()), parts[1]);
    painter.drawPixmap(QRect(width() - 13, 0, 13, height()), parts[2]);
    painter.setPen(QColor(0x0e, 0x69, 0xc4));
    painter.drawText(QRect(34, 0, middleWidth, height()), Qt::AlignVCenter | Qt::AlignLeft, m_text);
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0x0e, 0x69, 0xc4), 1, Qt::DotLine));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
    }
}
