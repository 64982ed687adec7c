// SPDX-License-Identifier: GPL-3.0-or-later
#include "formtimers.h"

#include "appearance.h"

#include <QTimer>
#include <QWidget>

FormTimers::FormTimers(Form &form, QWidget &window)
{
    for (const auto &item : form.controls()) {
        Control &control = *item;
        if (control.kind() != Kind::Timer)
            continue;
        auto *timer = new QTimer(&window);
        timer->setObjectName(qText(control.name()));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(control.design().intervalMs());
        QObject::connect(timer, &QTimer::timeout, &window, [&form, &control] { form.timerElapsed(control); });
        m_timers.emplace(control.name(), timer);
        mirror(control);
    }
}

QTimer *FormTimers::timer(std::string_view name) const
{
    const auto found = m_timers.find(name);
    return found == m_timers.end() ? nullptr : found->second;
}

void FormTimers::mirror(const Control &control)
{
    QTimer *ticker = timer(control.name());
    if (control.isEnabled() && control.design().intervalMs() > 0 && !m_stopped) {
        if (!ticker->isActive())
            ticker->start();
    } else {
        ticker->stop();
    }
}

void FormTimers::stopForGood()
{
    m_stopped = true;
    for (const auto &[name, timer] : m_timers)
        timer->stop();
}
