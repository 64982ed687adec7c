// SPDX-License-Identifier: GPL-3.0-or-later
#include "control.h"
#include "form.h"
#include "modelsession.h"
#include "randomactions.h"
#include "randomsession.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

// The rules of a random session catch a program that breaks them: here a
// program on the models with one fault put in after each click.
namespace {
class TamperedSession final : public Session {
public:
    using Tamper = std::function<void(ModelSession &program)>;
    TamperedSession(Tamper afterClick, Tamper afterOpen)
        : m_afterClick(std::move(afterClick))
        , m_afterOpen(std::move(afterOpen))
    {
    }

    void menu(std::string_view item) override { m_program.menu(item); }
    void type(std::string_view control, std::string_view chars) override { m_program.type(control, chars); }
    void key(std::string_view control, int code) override { m_program.key(control, code); }
    void paste(std::string_view control, std::string_view text) override { m_program.paste(control, text); }
    void clear(std::string_view control) override { m_program.clear(control); }
    void click(std::string_view control) override
    {
        m_program.click(control);
        if (m_afterClick)
            m_afterClick(m_program);
    }
    void mouseMove(std::string_view control) override { m_program.mouseMove(control); }
    void showTab(int page) override { m_program.showTab(page); }
    void closeBox() override { m_program.closeBox(); }
    void setPrinter(bool on) override { m_program.setPrinter(on); }
    void wait(int milliseconds) override { m_program.wait(milliseconds); }
    void open(std::string_view window)
    {
        m_program.open(window);
        if (m_afterOpen)
            m_afterOpen(m_program);
    }
    std::string activeWindow() override { return m_program.activeWindow(); }
    Form *activeForm() { return m_program.activeForm(); }
    std::string read(std::string_view control, std::string_view property) override
    {
        return m_program.read(control, property);
    }
    std::vector<std::string> takeEvents() override { return m_program.takeEvents(); }

private:
    ModelSession m_program;
    Tamper m_afterClick;
    Tamper m_afterOpen;
};

// The first fault that random sessions of the sphere window find in the program.
std::string firstFault(const TamperedSession::Tamper &afterClick, const TamperedSession::Tamper &afterOpen = {})
{
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        SeededBytes bytes(seed, "rules");
        const SessionOutcome outcome =
            runRandomSession(std::make_unique<TamperedSession>(afterClick, afterOpen), bytes, "frmSfera", 100);
        if (outcome.fault)
            return *outcome.fault;
    }
    return "no fault";
}

Control &controlOf(ModelSession &program, std::string_view name)
{
    return *program.activeForm()->find(name);
}
} // namespace

TEST(RandomSessionRules, CatchAChangeAfterAMessageBox)
{
    // A click that finds the diameter box empty fills it in, also after asking for it.
    const std::string fault = firstFault([](ModelSession &program) {
        if (program.activeWindow() == "frmSfera" && controlOf(program, "Text1").text().empty())
            controlOf(program, "Text1").setText("1");
    });
    EXPECT_NE(fault.find("frmSfera.Text1.Text \"1\" after the message"), std::string::npos) << fault;
}

TEST(RandomSessionRules, CatchAResultThatIsNoNumber)
{
    const std::string fault = firstFault([](ModelSession &program) {
        if (program.activeWindow() == "frmSfera")
            controlOf(program, "Label6").setText("1,50");
    });
    EXPECT_NE(fault.find("frmSfera.Label6 shows \"1,50\", which is no result"), std::string::npos) << fault;
}

TEST(RandomSessionRules, CatchTheProgramEndingOnAClick)
{
    const std::string fault = firstFault([](ModelSession &program) {
        program.closeBox();
        program.closeBox();
    });
    EXPECT_NE(fault.find("neither a timer nor the main window's close box"), std::string::npos) << fault;
}

TEST(RandomSessionRules, CatchAWindowThatReopensChanged)
{
    const std::string fault = firstFault({}, [](ModelSession &program) {
        if (program.activeWindow() == "frmSfera")
            controlOf(program, "Command1").setEnabled(true);
    });
    EXPECT_NE(fault.find("frmSfera opened with\n    Command1:"), std::string::npos) << fault;
}
