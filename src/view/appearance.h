// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include <string_view>

// How the windows' colours, fonts, strokes and texts look on this desktop.

// A model text (UTF-8) as Qt holds it.
QString qText(std::string_view text);

// A model colour; a system colour comes from the application's palette.
QColor toQColor(Color color);
// The inverse for plain colours: 0x00BBGGRR.
Color fromQColor(const QColor &color);
// The face the window asks for, or the installed face with the same metrics.
QFont toQFont(const Font &font);
Qt::PenStyle toPenStyle(LineStyle style);
// The palette roles that carry a control's ForeColor and BackColor.
QPalette::ColorRole foreRole(Kind kind);
QPalette::ColorRole backRole(Kind kind);
