#include "randomsession.h"

#include "catalog.h"
#include "control.h"
#include "form.h"
#include "numbers.h"
#include "platform.h"
#include "propertyvalue.h"
#include "randomactions.h"
#include "session.h"

#include <algorithm>
#include <exception>
#include <map>
#include <sstream>
#include <tuple>
#include <utility>

namespace {
// A platform for windows that nobody sees: a reference of how a window opens.
class QuietPlatform final : public Platform {
public:
    void beep() override {}
    void showMessage(std::string_view, std::string_view) override {}
    bool print(const Form &) override { return false; }
    bool canShow(std::string_view formName) const override { return hasWindow(formName); }
    void showModal(std::string_view) override {}
    void unload(Form &) override {}
    void endProgram() override {}
};

std::string propertyName(const Control &control, Property property)
{
    switch (property) {
    case Property::Text: return control.kind() == Kind::TextBox ? "Text" : "Caption";
    case Property::Visible: return "Visible";
    case Property::Enabled: return "Enabled";
    case Property::ForeColor: return "ForeColor";
    case Property::BackColor: return "BackColor";
    case Property::BorderColor: return "BorderColor";
    case Property::BorderWidth: return "BorderWidth";
    case Property::FillStyle: return "FillStyle";
    case Property::Geometry: return "Top";
    case Property::Tab: return "Tab";
    }
    return "?";
}

std::string valueOf(const Control &control, Property property)
{
    switch (property) {
    case Property::Text: return quote(control.text());
    case Property::Visible: return formatBool(control.isVisible());
    case Property::Enabled: return formatBool(control.isEnabled());
    case Property::ForeColor: return formatColor(control.foreColor());
    case Property::BackColor: return formatColor(control.backColor());
    case Property::BorderColor: return formatColor(control.borderColor());
    case Property::BorderWidth: return std::to_string(control.borderWidth());
    case Property::FillStyle: return formatFill(control.fillStyle());
    case Property::Geometry: return std::to_string(control.top());
    case Property::Tab: return std::to_string(control.currentPage());
    }
    return "?";
}

// Everything a control holds, design and run time alike, on one line.
std::string stateOf(const Control &c)
{
    std::ostringstream out;
    const Font &font = c.fontSpec();
    out << c.name() << ": kind " << static_cast<int>(c.kind()) << " in '" << c.container() << "' page " << c.page()
        << ", at " << c.left() << ' ' << c.topTwips() << ' ' << c.width() << ' ' << c.height() << ", ends " << c.x1()
        << ' ' << c.y1() << ' ' << c.x2() << ' ' << c.y2() << ", text " << quote(c.text()) << ", colours "
        << formatColor(c.foreColor()) << ' ' << formatColor(c.backColor()) << (c.isOpaque() ? " opaque" : "")
        << ", align " << static_cast<int>(c.alignment()) << ", font '" << font.face << "' " << font.points
        << (font.bold ? " bold" : "") << (font.italic ? " italic" : "") << (font.underline ? " underline" : "")
        << ", tab index " << c.tabIndex() << ", tip " << quote(c.toolTip()) << ", Visible " << formatBool(c.isVisible())
        << ", Enabled " << formatBool(c.isEnabled()) << (c.hasBorder() ? ", bordered" : "")
        << (c.isMultiLine() ? ", multi-line" : "") << (c.hasScrollBar() ? ", scroll bar" : "")
        << (c.isLocked() ? ", locked" : "") << (c.isGraphical() ? ", graphical" : "") << ", outline "
        << formatColor(c.borderColor()) << ' ' << c.borderWidth() << ' ' << static_cast<int>(c.borderStyle())
        << ", fill " << formatFill(c.fillStyle()) << ' ' << formatColor(c.fillColor()) << ", shape "
        << static_cast<int>(c.shapeKind()) << ", picture '" << c.pictureId() << "', interval " << c.intervalMs()
        << ", pages";
    for (const std::string &caption : c.pageCaptions())
        out << ' ' << quote(caption);
    out << ", page shown " << c.currentPage();
    return out.str();
}

std::vector<std::string> stateOf(const Form &form)
{
    std::ostringstream window;
    window << form.name() << ": caption " << quote(form.caption()) << ", client " << form.clientWidth() << 'x'
           << form.clientHeight() << ", border " << static_cast<int>(form.border()) << ", back "
           << formatColor(form.backColor()) << ", scale " << form.scaleHeight()
           << (form.paintsGradient() ? ", gradient" : "");
    std::vector<std::string> lines{window.str()};
    for (const auto &control : form.controls())
        lines.push_back(stateOf(*control));
    return lines;
}

// Hands `visit` everything a control holds, as stateOf lists it, without copies.
template <typename Visit>
bool withFields(const Control &c, Visit visit)
{
    const Font &font = c.fontSpec();
    return visit(std::forward_as_tuple(
        c.name(), c.kind(), c.container(), c.page(), c.left(), c.topTwips(), c.width(), c.height(), c.x1(), c.y1(),
        c.x2(), c.y2(), c.text(), c.foreColor(), c.backColor(), c.isOpaque(), c.alignment(), font, c.tabIndex(),
        c.toolTip(), c.isVisible(), c.isEnabled(), c.hasBorder(), c.isMultiLine(), c.hasScrollBar(), c.isLocked(),
        c.isGraphical(), c.borderColor(), c.borderWidth(), c.borderStyle(), c.fillStyle(), c.fillColor(),
        c.shapeKind(), c.pictureId(), c.intervalMs(), c.pageCaptions(), c.currentPage()));
}

bool sameState(const Control &a, const Control &b)
{
    return withFields(a, [&b](const auto &fieldsOfA) {
        return withFields(b, [&fieldsOfA](const auto &fieldsOfB) { return fieldsOfA == fieldsOfB; });
    });
}

bool sameWindow(const Form &a, const Form &b)
{
    return a.name() == b.name() && a.caption() == b.caption() && a.clientWidth() == b.clientWidth()
        && a.clientHeight() == b.clientHeight() && a.border() == b.border() && a.backColor() == b.backColor()
        && a.scaleHeight() == b.scaleHeight() && a.paintsGradient() == b.paintsGradient()
        && a.controls().size() == b.controls().size();
}

// Where the window differs from the other one, or nothing.
std::optional<std::string> differenceOf(const Form &form, const Form &expected)
{
    const auto difference = [](const std::string &found, const std::string &wanted) {
        return "\n    " + found + "\n  instead of\n    " + wanted;
    };
    if (!sameWindow(form, expected))
        return difference(stateOf(form).front(), stateOf(expected).front());
    for (std::size_t i = 0; i < form.controls().size(); ++i) {
        const Control &control = *form.controls()[i];
        const Control &wanted = *expected.controls()[i];
        if (!sameState(control, wanted))
            return difference(stateOf(control), stateOf(wanted));
    }
    return std::nullopt;
}

// A window just opened, and which of its labels it leaves blank in its
// design, ready for a result.
struct Reference {
    std::unique_ptr<Form> opened;
    std::vector<std::size_t> blankLabels;
};

const Reference &referenceOf(const std::string &window)
{
    static QuietPlatform platform;
    static std::map<std::string, Reference, std::less<>> references;
    const auto known = references.find(window);
    if (known != references.end())
        return known->second;
    Reference reference{.opened = createWindow(window, platform), .blankLabels = {}};
    const auto &controls = reference.opened->controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->kind() == Kind::Label && controls[i]->text().empty())
            reference.blankLabels.push_back(i);
    }
    // The same events, in the same order, as a platform gives a window it opens.
    for (const Event event : {Event::Load, Event::Resize, Event::Activate, Event::Paint})
        reference.opened->formEvent(event);
    return references.emplace(window, std::move(reference)).first->second;
}

bool isWrittenNumber(const std::string &text)
{
    const std::optional<double> value = textToNumber(text);
    return value && numberToText(*value) == text;
}

bool startsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// The session's events and the property changes of every window it shows,
// in the order they came.
class ChangeLog {
public:
    struct Entry {
        bool isEvent;
        std::string text;
    };

    void attach(Session *session) { m_session = session; }

    void watch(Form &form)
    {
        form.observe([this, &form](const Control &control, Property property) {
            if (!m_session)
                return;
            pullEvents();
            m_entries.push_back({false, form.name() + "." + control.name() + "." + propertyName(control, property)
                                            + " " + valueOf(control, property)});
        });
    }

    std::vector<Entry> take()
    {
        pullEvents();
        return std::exchange(m_entries, {});
    }

private:
    void pullEvents()
    {
        for (std::string &event : m_session->takeEvents())
            m_entries.push_back({true, std::move(event)});
    }

    Session *m_session = nullptr;
    std::vector<Entry> m_entries;
};

using Entries = std::vector<ChangeLog::Entry>;

std::string listed(const Entries &entries)
{
    std::string text;
    for (const auto &entry : entries)
        text += "\n    " + std::string(entry.isEvent ? "event " : "change ") + entry.text;
    return text.empty() ? "\n    nothing" : text;
}

class Run {
public:
    Run(Session &session, ChangeLog &log, ByteSource &bytes, const ActionCheck &check)
        : m_session(session)
        , m_log(log)
        , m_bytes(bytes)
        , m_check(check)
    {
    }

    SessionOutcome go(std::string_view window, int maxActions)
    {
        m_main = m_session.activeWindow();
        if (Form *first = m_session.activeForm()) {
            m_log.watch(*first);
            m_log.take();
        }
        if (window != m_main)
            fail(open(std::string(window)));
        else
            fail(checkOpened(window));
        while (!m_outcome.fault && m_outcome.actions < maxActions) {
            Form *active = m_session.activeForm();
            const std::optional<Action> action = active ? nextAction(m_bytes, *active) : std::nullopt;
            if (!action)
                break;
            m_outcome.steps.push_back(describe(*action));
            // A copy: the action may close the window, and its name goes with it.
            const std::string before = active->name();
            fail(step(*action, before));
        }
        m_outcome.ended = m_session.activeWindow() == "none";
        return std::move(m_outcome);
    }

private:
    void fail(std::optional<std::string> fault)
    {
        if (fault && !m_outcome.fault)
            m_outcome.fault = std::move(fault);
    }

    std::optional<std::string> step(const Action &action, const std::string &before)
    {
        try {
            perform(m_session, action);
        } catch (const std::exception &error) {
            return "it threw: " + std::string(error.what());
        }
        ++m_outcome.actions;
        const Entries entries = m_log.take();
        watchShown(entries);
        std::optional<std::string> fault = checkAction(action, before, entries);
        if (!fault)
            fault = furtherCheck();
        if (fault)
            return *fault + "; the step did:" + listed(entries);
        for (const auto &entry : entries) {
            const std::string closed = entry.isEvent && startsWith(entry.text, "close ") ? entry.text.substr(6) : "";
            if (!closed.empty() && closed != m_main && m_session.activeWindow() != "none")
                return open(closed);
        }
        return std::nullopt;
    }

    std::optional<std::string> furtherCheck()
    {
        if (!m_check)
            return std::nullopt;
        try {
            return m_check(m_session);
        } catch (const std::exception &error) {
            return "the check threw: " + std::string(error.what());
        }
    }

    // A window just shown is the active one; its changes are logged from now on.
    void watchShown(const Entries &entries)
    {
        for (const auto &entry : entries) {
            if (!entry.isEvent || !startsWith(entry.text, "show "))
                continue;
            Form *active = m_session.activeForm();
            if (active && active->name() == entry.text.substr(5))
                m_log.watch(*active);
        }
    }

    std::optional<std::string> checkAction(const Action &action, const std::string &before, const Entries &entries)
    {
        const ChangeLog::Entry *message = nullptr;
        for (const auto &entry : entries) {
            const bool isMessage = entry.isEvent && startsWith(entry.text, "message ");
            if (isMessage && message)
                return "a second message box, " + entry.text;
            if (isMessage)
                message = &entry;
            else if (!entry.isEvent && message)
                return entry.text + " after the " + message->text;
        }
        const bool ended = m_session.activeWindow() == "none";
        const bool endReported = std::any_of(entries.begin(), entries.end(),
                                             [](const auto &entry) { return entry.isEvent && entry.text == "end"; });
        if (ended != endReported)
            return ended ? "the program ended without an end event" : "an end event, but a window is still active";
        const bool closesMain = action.verb == Action::Verb::Close && before == m_main;
        if (ended && action.verb != Action::Verb::Wait && !closesMain)
            return "the program ended, but neither a timer nor the main window's close box ended it";
        if (closesMain && !ended)
            return "the main window's close box did not end the program";
        if (ended)
            return std::nullopt;
        return checkResults();
    }

    std::optional<std::string> checkResults()
    {
        const Form &form = *m_session.activeForm();
        const auto &controls = form.controls();
        for (const std::size_t index : referenceOf(form.name()).blankLabels) {
            const Control &label = *controls.at(index);
            if (!label.text().empty() && !isWrittenNumber(label.text()))
                return form.name() + "." + label.name() + " shows " + quote(label.text()) + ", which is no result";
        }
        return std::nullopt;
    }

    std::optional<std::string> open(const std::string &window)
    {
        m_outcome.steps.push_back("# open " + window);
        try {
            m_session.open(window);
        } catch (const std::exception &error) {
            return "opening " + window + " threw: " + error.what();
        }
        watchShown(m_log.take());
        if (m_session.activeWindow() != window)
            return window + " did not open; the active window is " + m_session.activeWindow();
        if (std::optional<std::string> fault = checkOpened(window))
            return fault;
        return furtherCheck();
    }

    std::optional<std::string> checkOpened(std::string_view window)
    {
        const Form *opened = m_session.activeForm();
        if (!opened)
            return std::string(window) + " is not open";
        const Form &expected = *referenceOf(std::string(window)).opened;
        if (std::optional<std::string> difference = differenceOf(*opened, expected))
            return std::string(window) + " opened with" + *difference;
        return std::nullopt;
    }

    Session &m_session;
    ChangeLog &m_log;
    ByteSource &m_bytes;
    const ActionCheck &m_check;
    std::string m_main;
    SessionOutcome m_outcome;
};
} // namespace

SessionOutcome runRandomSession(std::unique_ptr<Session> session, ByteSource &bytes, std::string_view window,
                                int maxActions, const ActionCheck &check)
{
    // The log outlives the session, whose windows report to it.
    ChangeLog log;
    const std::unique_ptr<Session> running = std::move(session);
    log.attach(running.get());
    SessionOutcome outcome = Run(*running, log, bytes, check).go(window, maxActions);
    log.attach(nullptr);
    return outcome;
}
