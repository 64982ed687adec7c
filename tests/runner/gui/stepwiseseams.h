// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platformseams.h"

#include <functional>
#include <string>
#include <vector>

// The program's seams for a driver that acts on its windows step by step, in
// one event loop of its own: nothing waits and nothing goes to a printer.

// A message box is shown and answered at once; a modal window is shown and
// left for the driver's next step; the end of the program ends no event loop.
class StepwiseWaiting final : public Waiting {
public:
    using Answer = std::function<void(QMessageBox &box)>;
    // By default a message box is answered with its OK.
    explicit StepwiseWaiting(Answer answer = {});

    void answer(QMessageBox &box) override;
    void whileOpen(FormWidget &) override {}
    void programEnded() override {}

private:
    Answer m_answer;
};

// Prints into a PDF file that is thrown away, or, switched off, fails as a
// printer that is not there does.
class TrialPrinter final : public PrintTarget {
public:
    bool print(const QPixmap &image, const QString &title) override;
    void switchOn(bool on) { m_on = on; }

private:
    bool m_on = false;
};

// Keeps what it hears, in order.
class EventLog final : public EventListener {
public:
    void heard(const std::string &event) override { events.push_back(event); }
    std::vector<std::string> events;
};
