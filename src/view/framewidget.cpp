#include "framewidget.h"

#include <QPainter>
#include <QStyle>

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
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(edge);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(edge.translated(1, 1));
    if (title().isEmpty())
        return;
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    const QRect caption = metrics.boundingRect(QRect(8, 0, width() - 16, metrics.height()), flags, title())
                              .adjusted(-2, 0, 2, 0);
    painter.fillRect(caption, palette().color(QPalette::Window));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}
