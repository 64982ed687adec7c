// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagewidget.h"

#include "appearance.h"
#include "look.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <utility>

namespace {
constexpr QLatin1String portraitId("portrait");

// The author's emblem: a compass drawing its circle over a set square,
// navy, blue and yellow, on a 150 by 150 grid. The bottom fifth stays plain
// navy: the window writes its light yellow caption there.
void paintPortrait(QPainter &painter)
{
    const QColor navy(0, 0, 96);
    const QColor blue(40, 90, 200);
    const QColor yellow(250, 210, 40);
    const QColor steel(220, 226, 240);

    painter.fillRect(QRectF(0, 0, 150, 150), navy);
    QRadialGradient glow(QPointF(75, 62), 52);
    glow.setColorAt(0, blue.lighter(130));
    glow.setColorAt(1, blue.darker(160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(75, 62), 48, 48);

    // The circle the compass is drawing, still open where the pencil is.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(yellow, 2, Qt::DashLine, Qt::RoundCap));
    painter.drawArc(QRectF(35, 22, 80, 80), 200 * 16, 300 * 16);

    // The set square, with its hollow centre.
    QPainterPath square;
    square.addPolygon(QPolygonF{QPointF(20, 104), QPointF(112, 104), QPointF(20, 28), QPointF(20, 104)});
    QPainterPath hollow;
    hollow.addPolygon(QPolygonF{QPointF(34, 94), QPointF(78, 94), QPointF(34, 58), QPointF(34, 94)});
    painter.setPen(QPen(navy, 1.5));
    painter.setBrush(yellow);
    painter.drawPath(square.subtracted(hollow));
    painter.setPen(QPen(navy, 1));
    for (int mark = 28; mark <= 108; mark += 10)
        painter.drawLine(QPointF(mark, 104), QPointF(mark, mark % 20 == 8 ? 98 : 101));

    // The compass: two legs from a hinge, a needle and a pencil.
    const QPointF hinge(75, 22);
    const QPointF needle(52, 96);
    const QPointF pencil(100, 90);
    painter.setPen(QPen(steel, 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hinge, needle);
    painter.drawLine(hinge, pencil);
    painter.setPen(QPen(navy, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(needle, needle + QPointF(-2, 9));
    painter.setPen(QPen(yellow, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pencil, pencil + QPointF(3, 9));
    painter.setPen(QPen(navy, 2));
    painter.setBrush(yellow);
    painter.drawEllipse(hinge, 7, 7);
    painter.setPen(QPen(steel, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hinge - QPointF(0, 8), hinge - QPointF(0, 18));
}
} // namespace

ImageWidget::ImageWidget(QString pictureId, QWidget *parent)
    : QWidget(parent)
    , m_pictureId(std::move(pictureId))
{
    // What a screen reader says of the picture; one the program cannot draw shows nothing and has no name.
    setAccessibleName(qText(pictureDescription(m_pictureId.toStdString())));
}

void ImageWidget::paintEvent(QPaintEvent *)
{
    if (m_pictureId != portraitId)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / 150.0, height() / 150.0);
    paintPortrait(painter);
}
