#pragma once

#include "listings/DiscCapacity.h"

#include <QProgressBar>

// A slim bar along the bottom of the order list: the order's total against the capacity of
// the blank CD, with the free space in words, red once the order is over the capacity.
// Screen readers meet it as a progress bar.
class OrderFillBar : public QProgressBar
{
    Q_OBJECT
public:
    explicit OrderFillBar(QWidget* parent = nullptr);

    void showFill(double totalBytes, const DiscCapacity& capacity);
    bool over() const { return m_over; }

    QString text() const override { return m_text; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    bool m_over = false;
};
