// SPDX-License-Identifier: GPL-3.0-or-later
// geomira-scenario [--gui | --web DIR] FILE...: runs scenario files on the
// window models, with --gui on the real widgets, with --web on the web edition
// built into DIR.
#include "modelsession.h"
#include "runner.h"

#include <cstring>
#include <iostream>
#include <memory>

#ifdef GEOMIRA_WITH_WIDGETS
#include "widgetrunner.h"
#endif
#ifdef GEOMIRA_WITH_WEB
#include "websession.h"
#endif

int main(int argc, char **argv)
{
    const bool gui = argc > 1 && std::strcmp(argv[1], "--gui") == 0;
    const bool web = argc > 1 && std::strcmp(argv[1], "--web") == 0;
    const int first = gui ? 2 : web ? 3 : 1;
    if (first >= argc) {
        std::cerr << "usage: geomira-scenario [--gui | --web DIR] FILE...\n";
        return 2;
    }
    SessionFactory sessions = [] { return std::make_unique<ModelSession>(); };
    if (web) {
#ifdef GEOMIRA_WITH_WEB
        sessions = webSessions(argv[2]);
#else
        std::cerr << "geomira-scenario: this build has no --web\n";
        return 2;
#endif
    }
    if (gui) {
#ifdef GEOMIRA_WITH_WIDGETS
        sessions = widgetSessions(argc, argv);
#else
        std::cerr << "geomira-scenario: this build has no Qt, so --gui is not available\n";
        return 2;
#endif
    }
    return runFiles(argc - first, argv + first, sessions, std::cout);
}
