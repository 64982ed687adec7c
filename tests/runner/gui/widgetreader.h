// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "propertyvalue.h"

#include <QPoint>

#include <optional>
#include <string>
#include <string_view>

class FormWidget;
class QWidget;

// What a window shows, read off its widgets rather than its model.

// A property of a control ("form" for the window's Caption) as its widget,
// menu action or timer shows it, in the canonical text of propertyvalue.h;
// nothing for a control the window lacks or a property its widget does not show.
std::optional<std::string> readShown(const FormWidget &window, std::string_view control, Readable property);
// A colour in canonical text as the widgets show it: a system colour as the
// plain colour it stands for.
std::string shownColor(std::string_view canonical);
// The text that a label, button, frame or box shows, as the model writes it.
std::string shownText(const QWidget &widget);
// Where the control's widget sits in its container, in pixels; on the window,
// from the corner of the client area.
QPoint shownAt(const FormWidget &window, const Control &control);
