// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"

#include "look.h"

#include <QGuiApplication>

QColor toQColor(Color color)
{
    if (!colors::isSystem(color))
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const QPalette palette = QGuiApplication::palette();
    switch (color) {
    case colors::tooltipBack: return palette.color(QPalette::ToolTipBase);
    case colors::buttonFace: return palette.color(QPalette::Button);
    case colors::titleText: return palette.color(QPalette::HighlightedText);
    case colors::windowText: return palette.color(QPalette::WindowText);
    case colors::buttonText: return palette.color(QPalette::ButtonText);
    case colors::windowBack: return palette.color(QPalette::Base);
    default: return palette.color(QPalette::Window);
    }
}

Color fromQColor(const QColor &color)
{
    return static_cast<Color>(color.red()) | static_cast<Color>(color.green()) << 8
        | static_cast<Color>(color.blue()) << 16;
}

QFont toQFont(const Font &font)
{
    QFont result(qText(freeFace(font.face)));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

Qt::PenStyle toPenStyle(LineStyle style)
{
    switch (style) {
    case LineStyle::Dot: return Qt::DotLine;
    case LineStyle::DashDot: return Qt::DashDotLine;
    case LineStyle::Solid: break;
    }
    return Qt::SolidLine;
}

QPalette::ColorRole foreRole(Kind kind)
{
    switch (kind) {
    case Kind::TextBox: return QPalette::Text;
    case Kind::CommandButton: return QPalette::ButtonText;
    default: return QPalette::WindowText;
    }
}

QPalette::ColorRole backRole(Kind kind)
{
    switch (kind) {
    case Kind::TextBox: return QPalette::Base;
    case Kind::CommandButton: return QPalette::Button;
    default: return QPalette::Window;
    }
}

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
