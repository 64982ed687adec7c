// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QWidget>

// A line from one point to another of its container; clicks go through it.
class LineWidget : public QWidget {
    Q_OBJECT
public:
    explicit LineWidget(QWidget *parent);

    // The ends in the container's pixels; the widget covers them and the pen's width.
    void setEnds(QPoint from, QPoint to);
    void setPen(QColor color, int width, LineStyle style);
    // The box of the two ends in the container, without the room for the pen.
    QRect box() const;
    QColor color() const { return m_color; }
    int penWidth() const { return m_width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_color;
    int m_width = 1;
    LineStyle m_style = LineStyle::Solid;
};
