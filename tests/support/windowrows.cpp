// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowrows.h"

#include "modelsession.h"
#include "propertyvalue.h"
#include "runner.h"

#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#ifdef GEOMIRA_WITH_WIDGETS
#include "widgetrunner.h"
#endif
#ifdef GEOMIRA_WITH_WEB
#include "websession.h"
#endif

namespace {
std::vector<std::string_view> split(std::string_view list)
{
    std::vector<std::string_view> items;
    while (!list.empty()) {
        const std::size_t end = list.find("; ");
        items.push_back(list.substr(0, end));
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 2);
    }
    return items;
}

std::string scenario(const WindowRow &row)
{
    // Which item of the main menu opens which window, as the user knows it: a window
    // wired to the wrong item fails its rows.
    static const std::map<std::string_view, std::string_view> menuItems{
        {"frmFormule", "mnuAreaVolume"}, {"frmCono", "mnuCono"}, {"frmCilindro", "mnuCilindro"},
        {"frmSfera", "mnuSfera"},        {"frmTri", "mnuTricirc"}, {"frmQua", "mnuQuadrato"},
        {"frmTrap", "mnuTrapezio"},      {"frmRad", "mnuRadici"}, {"frmFori", "mnuFori"}};
    std::string text = "scenario " + quote(row.name) + "\nmenu " + std::string(menuItems.at(row.window)) + '\n';
    for (const std::string_view step : split(row.steps)) {
        const std::size_t equals = step.find('=');
        if (equals != std::string_view::npos) {
            text += "clear " + std::string(step.substr(0, equals)) + '\n';
            if (equals + 1 < step.size())
                text += "paste " + std::string(step.substr(0, equals)) + ' ' + quote(step.substr(equals + 1)) + '\n';
        } else {
            text += (step.find(' ') == std::string_view::npos ? "click " : "") + std::string(step) + '\n';
        }
    }
    for (const std::string_view result : split(row.results)) {
        const std::size_t equals = result.find('=');
        std::string target(result.substr(0, equals));
        if (target.find('.') == std::string::npos)
            target += ".Caption";
        const std::string_view value = result.substr(equals + 1);
        const bool quoted = readable(target.substr(target.find('.') + 1))->kind == ValueKind::String;
        text += "expect " + target + ' ' + (quoted ? quote(value) : std::string(value)) + '\n';
    }
    text += "events show " + std::string(row.window) + (*row.events ? ", " : "") + row.events + '\n';
    return text;
}
} // namespace

int main([[maybe_unused]] int argc, char **argv)
{
    SessionFactory sessions = [] { return std::make_unique<ModelSession>(); };
#ifdef GEOMIRA_WITH_WIDGETS
    if (argc > 1 && std::strcmp(argv[1], "--gui") == 0)
        sessions = widgetSessions(argc, argv);
#endif
#ifdef GEOMIRA_WITH_WEB
    if (argc > 2 && std::strcmp(argv[1], "--web") == 0)
        sessions = webSessions(argv[2]);
#endif
    std::string script;
    for (const WindowRow &row : windowRows)
        script += scenario(row);
    const Tally tally = runScript(argv[0], script, sessions, std::cout);
    std::cout << tally.passed << " passed, " << tally.failed << " failed\n";
    return tally.failed == 0 ? 0 : 1;
}
