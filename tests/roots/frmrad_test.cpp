#include "frmrad.h"

#include "modelplatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Row {
    const char *name;
    const char *number;
    const char *index;
    const char *result;   // what the result label shows afterwards
    const char *messages; // the events of the click, joined by ", "
};

std::string joined(const std::vector<std::string> &events)
{
    std::string text;
    for (const std::string &event : events)
        text += (text.empty() ? "" : ", ") + event;
    return text;
}

// The result label starts each row at "previous", so a refused input shows
// that nothing was written.
TEST(FrmRad, RootsAtTheEdgesOfTheReadings)
{
    const Row rows[] = {
        {"largest fixed-point number", "922337203685477", "1", "922337203685477", ""},
        {"one beyond the fixed-point range", "922337203685478", "1", "previous", "message \"Numero troppo grande!\""},
        {"index beyond the fixed-point range", "8", "922337203685478", "previous",
         "message \"Numero troppo grande!\""},
        {"largest index gives a root just above one", "922337203685477", "922337203685477", "1,00000000000004", ""},
        {"the number is rounded half to even at the fourth decimal", "6,25005", "1", "6,25", ""},
        {"and upward past the half", "6,25015", "2", "2,50003999968001", ""},
        {"an index that rounds to zero", "16", "0,00004", "previous", "message \"Inserire la radice!\""},
        {"negative zero is no negative number", "-0", "3", "0", ""},
        {"square root beyond the fixed-point range", "1E+300", "", "1E+150", ""},
        {"square root of a number beyond a double", "1E+309", "", "previous", "message \"Inserire il Numero!\""},
        {"square root of a negative number", "-4", "", "previous", "message \"Inserire il Numero!\""},
        {"n-th root of a negative number", "-8", "3", "previous", "message \"Inserire il Numero!\""},
        {"a root that overflows", "10", "0,0001", "previous", "message \"Numero troppo grande!\""},
        {"a negative index of zero overflows", "0", "-2", "previous", "message \"Numero troppo grande!\""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ModelPlatform platform;
        FrmRad window(platform);
        Control &result = *window.find("Label3");
        result.setText("previous");
        window.edit(*window.find("Text1"), row.number);
        window.edit(*window.find("Text2"), row.index);
        platform.takeEvents();
        window.click(*window.find("Command1"));
        EXPECT_EQ(result.text(), row.result);
        EXPECT_EQ(joined(platform.takeEvents()), row.messages);
    }
}
} // namespace
