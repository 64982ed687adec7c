#include "linewidget.h"

#include "appearance.h"

#include <QPainter>

#include <algorithm>

LineWidget::LineWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setEnds(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    const int margin = m_width;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
}

void LineWidget::setPen(QColor color, int width, LineStyle style)
{
    m_color = color;
    m_width = std::max(width, 1);
    m_style = style;
    setEnds(m_from, m_to);
    update();
}

QRect LineWidget::box() const
{
    return QRect(m_from, m_to).normalized();
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, toPenStyle(m_style), Qt::FlatCap));
    painter.drawLine(m_from - pos(), m_to - pos());
}
