// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QWidget>

// A rectangle, square, oval or circle, plain or rounded, with its outline and fill.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    ShapeWidget(ShapeKind kind, QWidget *parent);

    void setBorder(QColor color, int width, LineStyle style);
    void setFill(FillStyle style, QColor color);
    QColor borderColor() const { return m_borderColor; }
    int borderWidth() const { return m_borderWidth; }
    FillStyle fillStyle() const { return m_fillStyle; }
    QColor fillColor() const { return m_fillColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeKind m_kind;
    QColor m_borderColor;
    int m_borderWidth = 1;
    LineStyle m_borderStyle = LineStyle::Solid;
    FillStyle m_fillStyle = FillStyle::Transparent;
    QColor m_fillColor;
};
