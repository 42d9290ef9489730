#pragma once

#include <QHeaderView>

// The profile list's header: painted sections with sort arrows; tells when the pointer enters it.
class EditorHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    explicit EditorHeaderView(QWidget* parent = nullptr);

signals:
    void signalEnter();

protected:
    void enterEvent(QEnterEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
