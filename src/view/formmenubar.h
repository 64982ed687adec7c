// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <map>
#include <string>
#include <string_view>

class QAction;
class QMenuBar;
class QWidget;

// A window's menu bar, built from its menu items and showing their captions,
// visibility and enabled state. A window without menu items has no bar.
class FormMenuBar {
public:
    FormMenuBar(Form &form, QWidget &window);

    QAction *action(std::string_view name) const;
    // 0 without a bar.
    int height() const;
    // Above every control of the window.
    void raise();
    void mirror(const Control &control, Property property);

private:
    QMenuBar *m_menuBar = nullptr;
    std::map<std::string, QAction *, std::less<>> m_actions;
};
