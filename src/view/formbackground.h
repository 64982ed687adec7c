// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

class QRect;
class QWidget;

// A window's background: its back colour, and over the client area the
// gradient that the main window asks for.
class FormBackground {
public:
    explicit FormBackground(const Form &form);

    // The back colour fills the window wherever nothing else is drawn.
    void fill(QWidget &window) const;
    void paint(QWidget &window, const QRect &client) const;

private:
    const Form &m_form;
};
