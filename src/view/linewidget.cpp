// SPDX-License-Identifier: GPL-3.0-or-later
#include "linewidget.h"

#include "appearance.h"

#include <QPainter>

#include <algorithm>

namespace {
// The rectangle from the smaller to the larger coordinates of the two ends,
// whichever end comes first: QRect::normalized() would move a swapped edge by one pixel.
QRect boxOf(QPoint from, QPoint to)
{
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}
} // namespace

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
    setGeometry(boxOf(from, to).adjusted(-margin, -margin, margin, margin));
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
    return boxOf(m_from, m_to);
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, toPenStyle(m_style), Qt::FlatCap));
    painter.drawLine(m_from - pos(), m_to - pos());
}
