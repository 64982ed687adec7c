// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <map>
#include <string>
#include <string_view>

class QTimer;
class QWidget;

// A window's timers, one for each timer control, ticking while their control
// is enabled with an interval, until the window stops them for good.
class FormTimers {
public:
    FormTimers(Form &form, QWidget &window);

    QTimer *timer(std::string_view name) const;
    void mirror(const Control &control);
    void stopForGood();

private:
    std::map<std::string, QTimer *, std::less<>> m_timers;
    bool m_stopped = false;
};
