// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstpaintprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <utility>

namespace {
class FirstPaintProbe final : public QObject {
public:
    FirstPaintProbe(QWidget *window, std::function<void()> callback)
        : QObject(window)
        , m_callback(std::move(callback))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_callback) {
            // Called once the paint event has been handled and flushed.
            QTimer::singleShot(0, this, std::exchange(m_callback, {}));
        }
        return false;
    }

private:
    std::function<void()> m_callback;
};
} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> callback)
{
    new FirstPaintProbe(window, std::move(callback));
}

void exitOnFirstPaint(QWidget *window)
{
    afterFirstPaint(window, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
