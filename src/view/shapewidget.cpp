// SPDX-License-Identifier: GPL-3.0-or-later
#include "shapewidget.h"

#include "appearance.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
// Qt's own hatch patterns repeat every 8 device pixels, finer and finer as the screen's scale grows;
// these lines repeat every 8 of the window's pixels and fall on the same pixels as Qt's at 1x.
constexpr int hatchSpacing = 8;
constexpr int crossColumnPhase = 4;
constexpr int crossRowPhase = 3;
constexpr int diagonalPhase = 7;

// The first line at or before `from` of those at phase, phase + spacing, ...
int firstLine(int from, int phase)
{
    return from - (((from - phase) % hatchSpacing) + hatchSpacing) % hatchSpacing;
}

void paintHatching(QPainter &painter, const QPainterPath &shape, FillStyle style, QColor color)
{
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 1));
    const QRect box = shape.boundingRect().toAlignedRect();
    if (style == FillStyle::Cross) {
        for (int x = firstLine(box.left(), crossColumnPhase); x <= box.right(); x += hatchSpacing)
            painter.drawLine(x, box.top(), x, box.bottom());
        for (int y = firstLine(box.top(), crossRowPhase); y <= box.bottom(); y += hatchSpacing)
            painter.drawLine(box.left(), y, box.right(), y);
    } else {
        // Rising to the right: the pixels of the box where x + y is the same.
        for (int sum = firstLine(box.left() + box.top(), diagonalPhase); sum <= box.right() + box.bottom();
             sum += hatchSpacing) {
            const int left = std::max(box.left(), sum - box.bottom());
            const int right = std::min(box.right(), sum - box.top());
            painter.drawLine(left, sum - left, right, sum - right);
        }
    }
    painter.restore();
}

bool isSquare(ShapeKind kind)
{
    return kind == ShapeKind::Square || kind == ShapeKind::Circle || kind == ShapeKind::RoundedSquare;
}

QPainterPath outlineOf(ShapeKind kind, const QRectF &area)
{
    QPainterPath path;
    switch (kind) {
    case ShapeKind::Rectangle:
    case ShapeKind::Square:
        path.addRect(area);
        break;
    case ShapeKind::Oval:
    case ShapeKind::Circle:
        path.addEllipse(area);
        break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
        const qreal radius = std::min(area.width(), area.height()) / 4;
        path.addRoundedRect(area, radius, radius);
        break;
    }
    }
    return path;
}
} // namespace

ShapeWidget::ShapeWidget(ShapeKind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    // A shape takes no mouse input: what lies under it, the window's background say, does.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setBorder(QColor color, int width, LineStyle style)
{
    m_borderColor = color;
    m_borderWidth = width;
    m_borderStyle = style;
    update();
}

void ShapeWidget::setFill(FillStyle style, QColor color)
{
    m_fillStyle = style;
    m_fillColor = color;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QRectF area = rect();
    if (isSquare(m_kind)) {
        const int side = std::min(width(), height());
        area = QRectF((width() - side) / 2, (height() - side) / 2, side, side);
    }
    // The outline stays inside the control's box, as wide as it is.
    const qreal half = m_borderWidth / 2.0;
    area.adjust(half, half, -half, -half);

    const QPainterPath outline = outlineOf(m_kind, area);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_fillStyle == FillStyle::Solid)
        painter.fillPath(outline, m_fillColor);
    else if (m_fillStyle != FillStyle::Transparent)
        paintHatching(painter, outline, m_fillStyle, m_fillColor);
    if (m_borderWidth > 0)
        painter.strokePath(outline, QPen(m_borderColor, m_borderWidth, toPenStyle(m_borderStyle)));
}
