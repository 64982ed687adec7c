// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "look.h"

#include <QString>

#include <string>

class Form;
class QPoint;
class QWidget;

// The widget of each kind of control, and how a control's properties show on it.

// Multi-line boxes keep CR LF between lines in the model, Qt a bare LF.
std::string toModelLines(QString plainText);

// A new widget for a control (not a menu item or a timer) in its container.
QWidget *createControlWidget(Form &form, Control &control, QWidget *container);
// Shows the caption or text; a box's text only when it differs, without
// reporting it as the user's edit.
void showText(const Control &control, QWidget *widget);
// Shows the colours, the outline and the fill.
void showLook(const Control &control, QWidget *widget);
// Places the widget in its container; `offset` is where the container's client area begins.
void placeWidget(const Control &control, QWidget *widget, QPoint offset);
