#include "modelsession.h"
#include "runner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
struct Outcome {
    Tally tally;
    std::string report;
};

Outcome run(const std::string &text)
{
    std::ostringstream out;
    const SessionFactory sessions = [] { return std::make_unique<ModelSession>(); };
    const Tally tally = runScript("t.scn", text, sessions, out);
    return {tally, out.str()};
}
} // namespace

TEST(Runner, ReportsTheFirstFailedCheckOfEachScenarioAndGoesOn)
{
    const Outcome outcome = run("scenario \"a\"\n"
                                "expect Text1.Text \"Geomira\"\n"
                                "expect Text1.Top 7\n"
                                "expect Text1.Top 8\n"
                                "scenario \"b\"\n"
                                "events\n");
    EXPECT_EQ(outcome.tally.passed, 1);
    EXPECT_EQ(outcome.tally.failed, 1);
    EXPECT_EQ(outcome.report, "t.scn:3: expected Text1.Top 7, got 0 (scenario \"a\")\n");
}

TEST(Runner, FailsOnWrongMissingOrUncheckedEvents)
{
    const struct {
        const char *name;
        const char *events;
        const char *report;
    } rows[] = {
        {"missing", "events", "expected no events, got close frmGeomira, end"},
        {"out of order", "events end, close frmGeomira", "expected end, close frmGeomira, got close frmGeomira, end"},
        {"one too many", "events close frmGeomira, end, beep",
         "expected close frmGeomira, end, beep, got close frmGeomira, end"},
        {"never checked", "expect window none", "events never checked: close frmGeomira, end"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = run(std::string("scenario \"x\"\nclose\n") + row.events + "\n");
        EXPECT_EQ(outcome.tally.failed, 1);
        EXPECT_EQ(outcome.report, std::string("t.scn:3: ") + row.report + " (scenario \"x\")\n");
    }
}

namespace {
// A program that shows one message box titled "Geomira" and does nothing else.
class OneMessage final : public Session {
public:
    void menu(std::string_view) override {}
    void type(std::string_view, std::string_view) override {}
    void key(std::string_view, int) override {}
    void paste(std::string_view, std::string_view) override {}
    void clear(std::string_view) override {}
    void click(std::string_view) override {}
    void mouseMove(std::string_view) override {}
    void showTab(int) override {}
    void closeBox() override {}
    void setPrinter(bool) override {}
    void wait(int) override {}
    void open(std::string_view) override {}
    std::string activeWindow() override { return "frmX"; }
    Form *activeForm() override { return nullptr; }
    std::string read(std::string_view, std::string_view) override { return {}; }
    std::vector<std::string> takeEvents() override { return std::exchange(m_events, {}); }

private:
    std::vector<std::string> m_events{"message \"Inserire i dati\""};
};
} // namespace

TEST(Runner, MessageTitledGeomiraMayBeWrittenWithOrWithoutItsTitle)
{
    const struct {
        const char *events;
        bool passes;
    } rows[] = {
        {"events message \"Inserire i dati\"", true},
        {"events message \"Inserire i dati\" \"Geomira\"", true},
        {"events message \"Inserire i dati\" \"Stampa\"", false},
        {"events message \"Inserire i dati \"", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.events);
        std::ostringstream out;
        const Tally tally = runScript("t.scn", std::string("scenario \"x\"\n") + row.events + "\n",
                                      [] { return std::make_unique<OneMessage>(); }, out);
        EXPECT_EQ(tally.passed, row.passes ? 1 : 0);
    }
}

TEST(Runner, UnusableStepsFailTheScenario)
{
    const struct {
        const char *name;
        const char *step;
        const char *report;
    } rows[] = {
        {"unknown control", "click cmdNone", "no control cmdNone in frmGeomira"},
        {"unknown property", "expect Text1.Colour 0x0", "no property Colour"},
        {"unquoted text", "expect Text1.Text Geomira", "the value of Text is written in quotes"},
        {"bad colour", "expect Text1.ForeColor red", "cannot read the value red"},
        {"unknown verb", "jump Text1", "unknown step jump"},
        {"bad number", "wait soon", "expected a whole number, got soon"},
        {"printer state", "printer maybe", "printer is on or off"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = run(std::string("scenario \"x\"\n") + row.step + "\n");
        EXPECT_EQ(outcome.tally.failed, 1);
        EXPECT_EQ(outcome.report, std::string("t.scn:2: ") + row.report + " (scenario \"x\")\n");
    }
}

TEST(Runner, ClosingLineCountsScenariosAndExitStatusNeedsAllPassed)
{
    std::ostringstream out;
    char missing[] = "/nonexistent.scn";
    char *paths[] = {missing};
    const SessionFactory sessions = [] { return std::make_unique<ModelSession>(); };
    EXPECT_EQ(runFiles(1, paths, sessions, out), 1);
    EXPECT_EQ(out.str(), "/nonexistent.scn: cannot open the file\n0 passed, 1 failed\n");
}
