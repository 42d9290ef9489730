#include "EditorTableView.h"

#include "EditorHeaderView.h"

#include <QMouseEvent>

EditorTableView::EditorTableView(QWidget* parent) : QTableView(parent), m_header(new EditorHeaderView(this))
{
    setAutoFillBackground(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setShowGrid(false);
    setHorizontalHeader(m_header);
    setSortingEnabled(true);
    verticalHeader()->hide();
}

void EditorTableView::mousePressEvent(QMouseEvent* event)
{
    emit signalMousePress(event->position().toPoint());
    QTableView::mousePressEvent(event);
}

void EditorTableView::mouseMoveEvent(QMouseEvent* event)
{
    emit signalMouseMove(event->position().toPoint());
    QTableView::mouseMoveEvent(event);
}

void EditorTableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit signalMouseDoubleClicked(indexAt(event->position().toPoint()));
    QTableView::mouseDoubleClickEvent(event);
}

void EditorTableView::leaveEvent(QEvent* event)
{
    emit signalMouseLeave();
    QTableView::leaveEvent(event);
}
