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
// program on the models with one fault put in after each click or opening.
namespace {
using Tamper = std::function<void(ModelSession &program)>;

class TamperedSession final : public ModelSession {
public:
    TamperedSession(Tamper afterClick, Tamper afterOpen)
        : m_afterClick(std::move(afterClick))
        , m_afterOpen(std::move(afterOpen))
    {
    }

    void click(std::string_view control) override
    {
        ModelSession::click(control);
        if (m_afterClick)
            m_afterClick(*this);
    }

    void open(std::string_view window) override
    {
        ModelSession::open(window);
        if (m_afterOpen)
            m_afterOpen(*this);
    }

private:
    Tamper m_afterClick;
    Tamper m_afterOpen;
};

// The first fault that random sessions of the sphere window find in the program.
std::string firstFault(const Tamper &afterClick, const Tamper &afterOpen)
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

// The sphere's control of that name, while the sphere is the active window.
Control *sphereControl(ModelSession &program, std::string_view name)
{
    return program.activeWindow() == "frmSfera" ? program.activeForm()->find(name) : nullptr;
}
} // namespace

TEST(RandomSessionRules, CatchTheFaultPutIn)
{
    const struct {
        const char *name;
        Tamper afterClick;
        Tamper afterOpen;
        const char *fault;
    } rows[] = {
        {"a click that finds the diameter empty fills it in, also after asking for it",
         [](ModelSession &program) {
             if (Control *box = sphereControl(program, "Text1"); box && box->text().empty())
                 box->setText("1");
         },
         {}, "frmSfera.Text1.Text \"1\" after the message"},
        {"a result that is no number",
         [](ModelSession &program) {
             if (Control *label = sphereControl(program, "Label6"))
                 label->setText("1,50");
         },
         {}, "frmSfera.Label6 shows \"1,50\", which is no result"},
        {"the program ending on a click",
         [](ModelSession &program) {
             program.closeBox();
             program.closeBox();
         },
         {}, "neither a timer nor the main window's close box"},
        {"a window that reopens changed", {},
         [](ModelSession &program) {
             if (Control *button = sphereControl(program, "Command1"))
                 button->setEnabled(true);
         },
         "frmSfera opened with\n    Command1:"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string fault = firstFault(row.afterClick, row.afterOpen);
        EXPECT_NE(fault.find(row.fault), std::string::npos) << fault;
    }
}
