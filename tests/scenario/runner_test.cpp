// SPDX-License-Identifier: GPL-3.0-or-later
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

TEST(Runner, MessageTitledGeomiraMayBeWrittenWithOrWithoutItsTitle)
{
    const struct {
        const char *message;
        bool passes;
    } rows[] = {
        {"\"Inserire i dati (Diametro)\"", true},
        {"\"Inserire i dati (Diametro)\" \"Geomira\"", true},
        {"\"Inserire i dati (Diametro)\" \"Stampa\"", false},
        {"\"Inserire i dati (Diametro) \"", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message);
        const std::string events = std::string("events show frmSfera, message ") + row.message;
        EXPECT_EQ(run("scenario \"x\"\nmenu mnuSfera\nclick Command2\n" + events + "\n").tally.passed, row.passes ? 1 : 0);
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
