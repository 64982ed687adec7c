// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelsession.h"
#include "runner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
const SessionFactory modelSessions = [] { return std::make_unique<ModelSession>(); };
} // namespace

// Each row's script passes, or fails once with the report shown.
TEST(Runner, PassesOrReportsTheFirstFailedCheckOfEachScenario)
{
    const std::string sphereMessage = "scenario \"x\"\nmenu mnuSfera\nclick Command2\nevents show frmSfera, message ";
    const struct {
        const char *name;
        std::string script;
        const char *report; // none: the script passes
        bool inScenario = true;
    } rows[] = {
        {"first failed check, next scenario passes",
         "scenario \"x\"\nexpect Text1.Text \"Geomira\"\nexpect Text1.Top 7\nexpect Text1.Top 8\nscenario \"b\"\nevents\n",
         "t.scn:3: expected Text1.Top 7, got 0"},
        {"events out of order", "scenario \"x\"\nclose\nevents end, close frmGeomira\n",
         "t.scn:3: expected end, close frmGeomira, got close frmGeomira, end"},
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
        {"escapes, comments and line numbers",
         "# comment\n\nscenario \"x\"\r\n  # indented\nexpect Text1.Text \"a, \\\"\\\\\\r\\n\\t\\b\"\n",
         "t.scn:5: expected Text1.Text \"a, \\\"\\\\\\r\\n\\t\\b\", got \"Geomira\""},
        // Reading stops at the first malformed line, after the scenarios before it.
        {"step before any scenario", "click a\n", "t.scn:1: a step before the first scenario line", false},
        {"scenario without a name", "scenario one\n", "t.scn:1: scenario needs a quoted name", false},
        {"unterminated string", "scenario \"x\"\nevents\ntype c \"1\n", "t.scn:3: cannot read this line", false},
        {"unknown escape", "scenario \"x\"\ntype a \"bad \\q escape\"\n", "t.scn:2: cannot read this line", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::ostringstream out;
        const Tally tally = runScript("t.scn", row.script, modelSessions, out);
        EXPECT_EQ(tally.failed, row.report ? 1 : 0);
        EXPECT_EQ(out.str(), row.report ? row.report + std::string(row.inScenario ? " (scenario \"x\")\n" : "\n") : "");
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
