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
#include <map>
#include <numeric>
#include <utility>

namespace {
// A change as a scenario reads it: "frmSfera.Text1.Text \"1\"".
std::string changeOf(const Form &form, const Control &control, Property property)
{
    const Readable read = [&] {
        switch (property) {
        case Property::Text: return control.kind() == Kind::TextBox ? Readable::Text : Readable::Caption;
        case Property::Visible: return Readable::Visible;
        case Property::Enabled: return Readable::Enabled;
        case Property::ForeColor: return Readable::ForeColor;
        case Property::BackColor: return Readable::BackColor;
        case Property::BorderColor: return Readable::BorderColor;
        case Property::BorderWidth: return Readable::BorderWidth;
        case Property::FillStyle: return Readable::FillStyle;
        case Property::Geometry: return Readable::Top;
        case Property::Tab: return Readable::Tab;
        }
        return Readable::Tab;
    }();
    return form.name() + "." + control.name() + "." + std::string(nameOf(read)) + " " + readModel(control, read);
}

// What a control holds that can change at run time, on one line: every
// property a scenario reads (the rest is fixed by the control table).
std::string stateOf(const Control &control)
{
    std::string line = control.name() + ":";
    line.reserve(600); // room for every property, so that the line is not copied as it grows
    for (const ReadableProperty &property : readableProperties()) {
        if (property.which == Readable::Text)
            continue; // the same text as the Caption
        line.append(" ").append(property.name).append(" ").append(readModel(control, property.which));
    }
    return line;
}

// Where the window differs from its state as just opened, or nothing.
std::optional<std::string> differenceOf(const Form &form, const std::vector<std::string> &expected)
{
    const std::vector<std::string> found = stateOf(form);
    const auto [line, expectedLine] = std::mismatch(found.begin(), found.end(), expected.begin(), expected.end());
    if (line == found.end() && expectedLine == expected.end())
        return std::nullopt;
    const auto shown = [](auto at, const auto &lines) { return at == lines.end() ? std::string("nothing") : *at; };
    return "\n    " + shown(line, found) + "\n  instead of\n    " + shown(expectedLine, expected);
}

// A window just opened, and where its result labels are.
struct Reference {
    std::vector<std::size_t> resultLabels;
    std::vector<std::string> state;
};

const Reference &referenceOf(const std::string &window)
{
    static ModelPlatform platform;
    static std::map<std::string, Reference, std::less<>> references;
    const auto known = references.find(window);
    if (known != references.end())
        return known->second;
    const std::unique_ptr<Form> opened = createWindow(window, platform);
    Reference reference;
    const auto &controls = opened->controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->design().role() == Role::Result)
            reference.resultLabels.push_back(i);
    }
    ModelPlatform::opened(*opened);
    reference.state = stateOf(*opened);
    return references.emplace(window, std::move(reference)).first->second;
}

bool isWrittenNumber(const std::string &text)
{
    const std::optional<double> value = textToNumber(text);
    return value && numberToText(*value) == text;
}

using Entries = std::vector<std::string>;

// One random session. What it hears (the session's events and the property
// changes of every window it shows) is logged in the order it came: "event
// beep", "change frmSfera.Text1.Text \"1\"".
class Run {
public:
    Run(std::unique_ptr<Session> session, ByteSource &bytes, const ActionCheck &check)
        : m_bytes(bytes)
        , m_check(check)
        , m_session(std::move(session))
    {
    }

    ~Run()
    {
        // The windows may report as they go: no longer to this run.
        const std::unique_ptr<Session> ending = std::move(m_session);
    }

    SessionOutcome go(std::string_view window, int maxActions)
    {
        m_main = m_session->activeWindow();
        if (Form *first = m_session->activeForm())
            watch(*first);
        take();
        m_outcome.fault = window != m_main ? open(std::string(window)) : checkOpened(window);
        while (!m_outcome.fault && m_outcome.actions < maxActions) {
            Form *active = m_session->activeForm();
            const std::optional<std::string> action = active ? nextAction(m_bytes, *active) : std::nullopt;
            if (!action)
                break;
            m_outcome.steps.push_back(*action);
            // A copy: the action may close the window, and its name goes with it.
            m_outcome.fault = step(*action, std::string(active->name()));
        }
        m_outcome.ended = m_session->activeWindow() == "none";
        return std::move(m_outcome);
    }

private:
    void watch(Form &form)
    {
        form.observe([this, &form](const Control &control, Property property) {
            if (!m_session)
                return;
            pullEvents();
            m_entries.push_back("change " + changeOf(form, control, property));
        });
    }

    void pullEvents()
    {
        for (std::string &event : m_session->takeEvents())
            m_entries.push_back("event " + event);
    }

    // What was heard since the last call; a window just shown is watched from now on.
    Entries take()
    {
        pullEvents();
        Form *active = m_session->activeForm();
        if (active && std::find(m_entries.begin(), m_entries.end(), "event show " + active->name()) != m_entries.end())
            watch(*active);
        return std::exchange(m_entries, {});
    }

    std::optional<std::string> step(const std::string &action, const std::string &before)
    {
        try {
            runStep(*m_session, action);
        } catch (const std::exception &error) {
            return "it threw: " + std::string(error.what());
        }
        ++m_outcome.actions;
        const Entries entries = take();
        std::optional<std::string> fault = checkAction(action, before, entries);
        if (!fault)
            fault = furtherCheck();
        if (fault) {
            *fault += "; the step did:" + std::string(entries.empty() ? "\n    nothing" : "");
            for (const std::string &entry : entries)
                *fault += "\n    " + entry;
            return fault;
        }
        for (const std::string &entry : entries) {
            const std::string closed = entry.starts_with("event close ") ? entry.substr(12) : "";
            if (!closed.empty() && closed != m_main && m_session->activeWindow() != "none")
                return open(closed);
        }
        return std::nullopt;
    }

    std::optional<std::string> furtherCheck()
    {
        try {
            return m_check ? m_check(*m_session) : std::nullopt;
        } catch (const std::exception &error) {
            return "the check threw: " + std::string(error.what());
        }
    }

    std::optional<std::string> checkAction(const std::string &action, const std::string &before, const Entries &entries)
    {
        const std::string *message = nullptr;
        for (const std::string &entry : entries) {
            const bool isMessage = entry.starts_with("event message ");
            if (isMessage && message)
                return "a second message box, " + entry.substr(6);
            if (isMessage)
                message = &entry;
            else if (entry.starts_with("change ") && message)
                return entry.substr(7) + " after the " + message->substr(6);
        }
        const bool ended = m_session->activeWindow() == "none";
        const bool endReported = std::find(entries.begin(), entries.end(), "event end") != entries.end();
        if (ended != endReported)
            return ended ? "the program ended without an end event" : "an end event, but a window is still active";
        const bool closesMain = action == "close" && before == m_main;
        if (ended && !action.starts_with("wait ") && !closesMain)
            return "the program ended, but neither a timer nor the main window's close box ended it";
        if (closesMain && !ended)
            return "the main window's close box did not end the program";
        return ended ? std::nullopt : checkResults();
    }

    std::optional<std::string> checkResults()
    {
        const Form &form = *m_session->activeForm();
        for (const std::size_t index : referenceOf(form.name()).resultLabels) {
            const Control &label = *form.controls().at(index);
            if (!label.text().empty() && !isWrittenNumber(label.text()))
                return form.name() + "." + label.name() + " shows " + quote(label.text()) + ", which is no result";
        }
        return std::nullopt;
    }

    std::optional<std::string> open(const std::string &window)
    {
        m_outcome.steps.push_back("# open " + window);
        try {
            m_session->open(window);
        } catch (const std::exception &error) {
            return "opening " + window + " threw: " + error.what();
        }
        take();
        if (m_session->activeWindow() != window)
            return window + " did not open; the active window is " + m_session->activeWindow();
        std::optional<std::string> fault = checkOpened(window);
        return fault ? fault : furtherCheck();
    }

    std::optional<std::string> checkOpened(std::string_view window)
    {
        const Form *opened = m_session->activeForm();
        if (!opened)
            return std::string(window) + " is not open";
        if (std::optional<std::string> difference = differenceOf(*opened, referenceOf(std::string(window)).state))
            return std::string(window) + " opened with" + *difference;
        return std::nullopt;
    }

    Entries m_entries;
    ByteSource &m_bytes;
    const ActionCheck &m_check;
    std::string m_main;
    SessionOutcome m_outcome;
    std::unique_ptr<Session> m_session; // last, so that it goes first
};
} // namespace

std::vector<std::string> stateOf(const Form &form)
{
    std::vector<std::string> lines{form.name() + ": caption " + quote(form.caption()) + ", scale "
                                   + std::to_string(form.design().scaleHeight) + (form.design().gradient ? ", gradient" : "")};
    for (const auto &control : form.controls())
        lines.push_back(stateOf(*control));
    return lines;
}

SessionOutcome runRandomSession(std::unique_ptr<Session> session, ByteSource &bytes, std::string_view window,
                                int maxActions, const ActionCheck &check)
{
    return Run(std::move(session), bytes, check).go(window, maxActions);
}
std::vector<std::uint32_t> sessionSeeds(const char *countVariable, int fallback)
{
    if (const char *seed = std::getenv("GEOMIRA_RANDOM_SEED"))
        return {static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10))};
    const char *written = std::getenv(countVariable);
    std::vector<std::uint32_t> seeds(written ? std::atoi(written) : fallback);
    std::iota(seeds.begin(), seeds.end(), 0u);
    return seeds;
}

std::string failureReport(std::string_view window, std::uint32_t seed, const SessionOutcome &outcome)
{
    std::string report = std::string(window) + ", seed " + std::to_string(seed) + " (GEOMIRA_RANDOM_SEED="
        + std::to_string(seed) + " runs it alone), after " + std::to_string(outcome.actions) + " actions:\n";
    for (const std::string &step : outcome.steps)
        report += "  " + step + "\n";
    return report + "fault: " + outcome.fault.value_or("none");
}
