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

// Each row's script passes, or fails once with the report shown.
TEST(Runner, PassesOrReportsTheFirstFailedCheckOfEachScenario)
{
    const std::string sphereMessage = "scenario \"x\"\nmenu mnuSfera\nclick Command2\nevents show frmSfera, message ";
    const struct {
        const char *name;
        std::string script;
        const char *report; // none: the script passes
    } rows[] = {
        {"first failed check, next scenario passes",
         "scenario \"x\"\nexpect Text1.Text \"Geomira\"\nexpect Text1.Top 7\nexpect Text1.Top 8\nscenario \"b\"\nevents\n",
         "t.scn:3: expected Text1.Top 7, got 0"},
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
        {"message titled Geomira in full", sphereMessage + "\"Inserire i dati (Diametro)\" \"Geomira\"\n", nullptr},
        {"message with another title", sphereMessage + "\"Inserire i dati (Diametro)\" \"Stampa\"\n",
         "t.scn:4: expected show frmSfera, message \"Inserire i dati (Diametro)\" \"Stampa\", "
         "got show frmSfera, message \"Inserire i dati (Diametro)\""},
        {"message with another prompt", sphereMessage + "\"Inserire i dati (Diametro) \"\n",
         "t.scn:4: expected show frmSfera, message \"Inserire i dati (Diametro) \", "
         "got show frmSfera, message \"Inserire i dati (Diametro)\""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = run(row.script);
        EXPECT_EQ(outcome.tally.failed, row.report ? 1 : 0);
        EXPECT_EQ(outcome.report, row.report ? std::string(row.report) + " (scenario \"x\")\n" : "");
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
