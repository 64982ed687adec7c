#include "form.h"
#include "operations.h"
#include "recordingplatform.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

TEST(ReadBox, EmptyOrUnreadableTextGivesTheBoxPrompt)
{
    const struct {
        const char *name;
        std::string text;
        bool readable;
    } rows[] = {
        {"digits", "0007", true},
        {"zero", "0", true},
        {"empty", "", false},
        {"pasted letters", "12a", false},
        {"beyond a double", std::string(400, '9'), false},
        {"blank", " ", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingPlatform platform;
        Control box = textBox("txt1", row.text);
        const auto value = readBox(platform, box, "Inserire i dati (Lato)");
        EXPECT_EQ(value.has_value(), row.readable);
        if (row.readable)
            EXPECT_TRUE(platform.log.empty());
        else
            EXPECT_EQ(platform.log, (std::vector<std::string>{"message Inserire i dati (Lato) | Geomira"}));
    }
}

TEST(ResultText, ResultsThatCannotBeShownAreTooBig)
{
    const struct {
        const char *name;
        double value;
        const char *text; // empty: refused
    } rows[] = {
        {"ordinary", 37.6992, "37,6992"},
        {"negative zero", -0.0, "0"},
        {"largest that reads back", 1.79769313486231e308, "1,79769313486231E+308"},
        {"largest double rounds up beyond the range", DBL_MAX, ""},
        {"infinity", INFINITY, ""},
        {"not a number", NAN, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingPlatform platform;
        const auto text = resultText(platform, row.value);
        if (*row.text) {
            EXPECT_EQ(text, row.text);
            EXPECT_TRUE(platform.log.empty());
        } else {
            EXPECT_FALSE(text);
            EXPECT_EQ(platform.log, (std::vector<std::string>{"message Numero troppo grande! | Geomira"}));
        }
    }
}

TEST(PrintWindow, FailureIsReportedWithItsOwnTitle)
{
    RecordingPlatform platform;
    const Form form(platform, {.name = "frmX", .caption = ""}, {});
    printWindow(platform, form);
    platform.printerWorks = true;
    printWindow(platform, form);
    EXPECT_EQ(platform.log, (std::vector<std::string>{
                                "print failed",
                                "message C'è un problema di stampa! | Verificare lo stato della stampante",
                                "print",
                            }));
}
