#pragma once

#include <QTableView>

class EditorHeaderView;

// The profile table: whole-row single selection, no grid, and mouse events as signals for the hover
// icons of the profile list.
class EditorTableView : public QTableView
{
    Q_OBJECT

public:
    explicit EditorTableView(QWidget* parent = nullptr);

    EditorHeaderView* editorHeader() const { return m_header; }

signals:
    void signalMousePress(const QPoint& point);
    void signalMouseMove(const QPoint& point);
    void signalMouseDoubleClicked(const QModelIndex& current);
    void signalMouseLeave();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    EditorHeaderView* m_header;
};
