#pragma once

#include <QHeaderView>

// The profile list's header: painted sections with sort arrows; tells when the pointer enters it.
class EditorHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    explicit EditorHeaderView(QWidget* parent = nullptr);

    // As high as the section artwork; the hover icons of the rows are placed for this height.
    QSize sizeHint() const override;

signals:
    void signalEnter();

protected:
    void enterEvent(QEnterEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
