// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelsession.h"
#include "runner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
const SessionFactory modelSessions = [] { return std::make_unique<ModelSession>(); };

struct Outcome {
    Tally tally;
    std::string report;
};

Outcome run(const std::string &text)
{
    std::ostringstream out;
    const Tally tally = runScript("t.scn", text, modelSessions, out);
    return {tally, out.str()};
}
} // namespace

// Each row's script fails once, with the line and the report shown.
TEST(Runner, ReportsTheFirstFailedCheckOfAScenarioAndGoesOn)
{
    const struct {
        const char *name;
        const char *script;
        const char *report;
    } rows[] = {
        {"first failed check, next scenario passes",
         "scenario \"x\"\nexpect Text1.Text \"Geomira\"\nexpect Text1.Top 7\nexpect Text1.Top 8\nscenario \"b\"\nevents\n",
         "t.scn:3: expected Text1.Top 7, got 0"},
        {"missing events", "scenario \"x\"\nclose\nevents\n", "t.scn:3: expected no events, got close frmGeomira, end"},
        {"events out of order", "scenario \"x\"\nclose\nevents end, close frmGeomira\n",
         "t.scn:3: expected end, close frmGeomira, got close frmGeomira, end"},
        {"one event too many", "scenario \"x\"\nclose\nevents close frmGeomira, end, beep\n",
         "t.scn:3: expected close frmGeomira, end, beep, got close frmGeomira, end"},
        {"events never checked", "scenario \"x\"\nclose\nexpect window none\n",
         "t.scn:3: events never checked: close frmGeomira, end"},
        {"unknown control", "scenario \"x\"\nclick cmdNone\n", "t.scn:2: no control cmdNone in frmGeomira"},
        {"unknown property", "scenario \"x\"\nexpect Text1.Colour 0x0\n", "t.scn:2: no property Colour"},
        {"unquoted text", "scenario \"x\"\nexpect Text1.Text Geomira\n",
         "t.scn:2: the value of Text is written in quotes"},
        {"bad colour", "scenario \"x\"\nexpect Text1.ForeColor red\n", "t.scn:2: cannot read the value red"},
        {"unknown verb", "scenario \"x\"\njump Text1\n", "t.scn:2: unknown step jump"},
        {"bad number", "scenario \"x\"\nwait soon\n", "t.scn:2: expected a whole number, got soon"},
        {"printer state", "scenario \"x\"\nprinter maybe\n", "t.scn:2: printer is on or off"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = run(row.script);
        EXPECT_EQ(outcome.tally.failed, 1);
        EXPECT_EQ(outcome.report, std::string(row.report) + " (scenario \"x\")\n");
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

TEST(Runner, ClosingLineCountsScenariosAndExitStatusNeedsAllPassed)
{
    std::ostringstream out;
    char missing[] = "/nonexistent.scn";
    char *paths[] = {missing};
    EXPECT_EQ(runFiles(1, paths, modelSessions, out), 1);
    EXPECT_EQ(out.str(), "/nonexistent.scn: cannot open the file\n0 passed, 1 failed\n");
}
