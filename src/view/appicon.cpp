#include "appicon.h"

#include <QFont>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size);
    gradient.setColorAt(0, QColor(0, 0, 255));
    gradient.setColorAt(1, QColor(0, 0, 0));
    painter.setBrush(gradient);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(size * 7 / 8);
    painter.setFont(font);
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("G"));
    return pixmap;
}
} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(drawIcon(size));
    return icon;
}
