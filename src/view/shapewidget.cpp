#include "shapewidget.h"

#include "appearance.h"

#include <QPainter>

#include <algorithm>

namespace {
Qt::BrushStyle brushStyle(FillStyle style)
{
    switch (style) {
    case FillStyle::Solid: return Qt::SolidPattern;
    case FillStyle::Cross: return Qt::CrossPattern;
    case FillStyle::UpwardDiagonal: return Qt::BDiagPattern;
    case FillStyle::Transparent: break;
    }
    return Qt::NoBrush;
}

bool isSquare(ShapeKind kind)
{
    return kind == ShapeKind::Square || kind == ShapeKind::Circle || kind == ShapeKind::RoundedSquare;
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

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_borderWidth > 0 ? QPen(m_borderColor, m_borderWidth, toPenStyle(m_borderStyle))
                                     : QPen(Qt::NoPen));
    painter.setBrush(QBrush(m_fillColor, brushStyle(m_fillStyle)));
    switch (m_kind) {
    case ShapeKind::Rectangle:
    case ShapeKind::Square:
        painter.drawRect(area);
        break;
    case ShapeKind::Oval:
    case ShapeKind::Circle:
        painter.drawEllipse(area);
        break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
        const qreal radius = std::min(area.width(), area.height()) / 4;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    }
}
