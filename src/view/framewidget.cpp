// SPDX-License-Identifier: GPL-3.0-or-later
#include "framewidget.h"

#include <QPainter>
#include <QStyle>

namespace {
// The outline that drawRect gives with a one-pixel pen (right and bottom edges one pixel further
// out), as four fills: the raster engine strokes an outline pixel by pixel, at many times the cost.
void drawOutline(QPainter &painter, const QRect &rect, const QColor &color)
{
    const QRect outline = rect.adjusted(0, 0, 1, 1);
    painter.fillRect(outline.left(), outline.top(), outline.width(), 1, color);
    painter.fillRect(outline.left(), outline.bottom(), outline.width(), 1, color);
    painter.fillRect(outline.left(), outline.top(), 1, outline.height(), color);
    painter.fillRect(outline.right(), outline.top(), 1, outline.height(), color);
}
} // namespace

FrameWidget::FrameWidget(QWidget *parent)
    : QGroupBox(parent)
{
    setAutoFillBackground(true);
}

void FrameWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect edge = rect().adjusted(0, metrics.height() / 2, -2, -2);
    drawOutline(painter, edge, palette().color(QPalette::Mid));
    drawOutline(painter, edge.translated(1, 1), palette().color(QPalette::Light));
    if (title().isEmpty())
        return;
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    const QRect caption = metrics.boundingRect(QRect(8, 0, width() - 16, metrics.height()), flags, title())
                              .adjusted(-2, 0, 2, 0);
    painter.fillRect(caption, palette().color(QPalette::Window));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}
