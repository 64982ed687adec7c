// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <gtest/gtest.h>

TEST(Tokenize, WordsStringsAndCommas)
{
    const auto tokens = tokenize(R"(events beep, message "a, \"b\"\r\n\t\b\\" "T")");
    ASSERT_TRUE(tokens);
    ASSERT_EQ(tokens->size(), 6u);
    EXPECT_EQ((*tokens)[0].text, "events");
    EXPECT_EQ((*tokens)[2].type, Token::Type::Comma);
    EXPECT_EQ((*tokens)[4].type, Token::Type::String);
    EXPECT_EQ((*tokens)[4].text, "a, \"b\"\r\n\t\b\\");
    EXPECT_EQ((*tokens)[5].text, "T");
}

TEST(ParseScript, ScenariosStepsCommentsAndLineNumbers)
{
    const Script script = parseScript("# comment\n\nscenario \"one\"\r\nclick cmd1\n  # indented comment\n"
                                      "scenario \"two\"\nevents\n");
    EXPECT_FALSE(script.error);
    ASSERT_EQ(script.scenarios.size(), 2u);
    EXPECT_EQ(script.scenarios[0].name, "one");
    ASSERT_EQ(script.scenarios[0].steps.size(), 1u);
    EXPECT_EQ(script.scenarios[0].steps[0].line, 4);
    EXPECT_EQ(script.scenarios[0].steps[0].args[0].text, "cmd1");
    EXPECT_EQ(script.scenarios[1].line, 6);
    EXPECT_TRUE(script.scenarios[1].steps[0].args.empty());
}

TEST(ParseScript, StopsAtTheFirstMalformedLine)
{
    const struct {
        const char *name;
        const char *text;
        int line;
    } rows[] = {
        {"step before any scenario", "click a\n", 1},
        {"scenario without a name", "scenario one\n", 1},
        {"line opening with a string", "scenario \"a\"\n\"x\"\n", 2},
        {"unterminated string", "scenario \"a\"\nclick b\ntype c \"1\n", 3},
        {"unknown escape", "scenario \"a\"\ntype a \"bad \\q escape\"\n", 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Script script = parseScript(row.text);
        ASSERT_TRUE(script.error);
        EXPECT_EQ(script.error->first, row.line);
    }
}
