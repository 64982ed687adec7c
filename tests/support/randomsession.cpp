// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomsession.h"

#include "catalog.h"
#include "control.h"
#include "form.h"
#include "modelplatform.h"
#include "numbers.h"
#include "propertyvalue.h"
#include "randomactions.h"
#include "runner.h"
#include "session.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <utility>

namespace {
// One random session. What it hears (the session's events and the property
// changes of every window it shows) is logged in the order it came: "event
// beep", "change frmSfera.Text1".
struct Run {
    ByteSource &m_bytes;
    const ActionCheck &m_check;
    std::unique_ptr<Session> m_session;
    std::vector<std::string> m_entries;
    std::string m_main;
    SessionOutcome m_outcome;

    SessionOutcome go(std::string_view window, int maxActions)
    {
        m_main = m_session->activeWindow();
        watch(*m_session->activeForm());
        take();
        try {
            m_outcome.fault = window != m_main ? open(std::string(window)) : checkOpened(window);
            for (int actions = 0; !m_outcome.fault && actions < maxActions; ++actions) {
                Form *active = m_session->activeForm();
                const std::optional<std::string> action = active ? nextAction(m_bytes, *active) : std::nullopt;
                if (!action)
                    break;
                m_outcome.steps.push_back(*action);
                // A copy: the action may close the window, and its name goes with it.
                m_outcome.fault = step(*action, std::string(active->name()));
            }
        } catch (const std::exception &error) {
            m_outcome.fault = std::string("it threw: ") + error.what();
        }
        // The windows may report as they go: no longer to this run.
        m_session.reset();
        return std::move(m_outcome);
    }

    void watch(Form &form)
    {
        form.observe([this, &form](const Control &control, Property) {
            if (m_session)
                m_entries.push_back("change " + form.name() + "." + control.name());
        });
    }

    // What was heard since the last call; a window just shown is watched from now on.
    std::vector<std::string> take()
    {
        for (std::string &event : m_session->takeEvents())
            m_entries.push_back("event " + event);
        Form *active = m_session->activeForm();
        if (active && std::count(m_entries.begin(), m_entries.end(), "event show " + active->name()))
            watch(*active);
        return std::exchange(m_entries, {});
    }

    std::optional<std::string> step(const std::string &action, const std::string &before)
    {
        runStep(*m_session, action);
        const std::vector<std::string> entries = take();
        // What the step did, as comments below it.
        for (const std::string &entry : entries)
            m_outcome.steps.push_back("#   " + entry);
        if (auto broken = checkAction(action, before, entries))
            return broken;
        const auto closed = std::find_if(entries.begin(), entries.end(),
                                         [](const std::string &entry) { return entry.starts_with("event close "); });
        if (closed != entries.end() && closed->substr(12) != m_main && m_session->activeWindow() != "none")
            return open(closed->substr(12));
        return std::nullopt;
    }

    std::optional<std::string> checkAction(const std::string &action, const std::string &before,
                                           const std::vector<std::string> &entries)
    {
        const std::string *message = nullptr;
        for (const std::string &entry : entries) {
            if (entry.starts_with("event message ") && message)
                return "a second message box, " + entry.substr(6);
            if (entry.starts_with("event message "))
                message = &entry;
            else if (entry.starts_with("change ") && message)
                return entry.substr(7) + " changed after the " + message->substr(6);
        }
        const bool ended = m_session->activeWindow() == "none";
        const bool closesMain = action == "close" && before == m_main;
        if (closesMain != ended && !(ended && action.starts_with("wait ")))
            return ended ? "the program ended, but neither a timer nor the main window's close box ended it"
                         : "the main window's close box did not end the program";
        if (ended)
            return std::nullopt;
        const Form &form = *m_session->activeForm();
        for (const auto &label : form.controls()) {
            const std::optional<double> value = textToNumber(label->text());
            const bool written = label->text().empty() || (value && numberToText(*value) == label->text());
            if (label->design().role() == Role::Result && !written)
                return form.name() + "." + label->name() + " shows " + quote(label->text()) + ", which is no result";
        }
        return furtherCheck();
    }

    std::optional<std::string> furtherCheck() { return m_check ? m_check(*m_session) : std::nullopt; }

    std::optional<std::string> open(const std::string &window)
    {
        m_outcome.steps.push_back("# open " + window);
        m_session->open(window);
        take();
        return checkOpened(window);
    }

    std::optional<std::string> checkOpened(std::string_view window)
    {
        if (m_session->activeWindow() != window)
            return std::string(window) + " did not open; the active window is " + m_session->activeWindow();
        static ModelPlatform platform;
        const std::unique_ptr<Form> fresh = createWindow(window, platform);
        ModelPlatform::opened(*fresh);
        const auto &controls = m_session->activeForm()->controls();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (const ReadableProperty &property : readableProperties()) {
                const std::string found = readModel(*controls[i], property.which);
                const std::string expected = readModel(*fresh->controls()[i], property.which);
                if (found != expected)
                    return std::string(window) + " opened with " + controls[i]->name() + "." + std::string(property.name)
                        + " " + found + " instead of " + expected;
            }
        }
        return furtherCheck();
    }
};
} // namespace

SessionOutcome runRandomSession(std::unique_ptr<Session> session, ByteSource &bytes, std::string_view window,
                                int maxActions, const ActionCheck &check)
{
    return Run{bytes, check, std::move(session), {}, {}, {}}.go(window, maxActions);
}

std::optional<std::string> failedSession(std::string_view window, const char *countVariable, int fallback,
                                         const std::function<std::unique_ptr<Session>()> &newSession,
                                         const ActionCheck &check)
{
    const char *replayed = std::getenv("GEOMIRA_RANDOM_SEED");
    const char *count = std::getenv(countVariable);
    const std::uint32_t first = replayed ? std::strtoul(replayed, nullptr, 10) : 0;
    const std::uint32_t end = replayed ? first + 1 : count ? std::strtoul(count, nullptr, 10) : fallback;
    for (std::uint32_t seed = first; seed < end; ++seed) {
        ByteSource bytes(seed, window);
        const SessionOutcome outcome = runRandomSession(newSession(), bytes, window, 100, check);
        if (!outcome.fault)
            continue;
        std::string report = std::string(window) + ", seed " + std::to_string(seed) + " (GEOMIRA_RANDOM_SEED="
            + std::to_string(seed) + " runs it alone):\n";
        for (const std::string &step : outcome.steps)
            report += "  " + step + "\n";
        return report + "fault: " + *outcome.fault;
    }
    return std::nullopt;
}
