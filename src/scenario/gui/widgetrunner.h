#pragma once

#include <functional>
#include <memory>

class Session;

// Starts Qt once (offscreen unless a platform is set) and gives a maker of
// sessions on the real widgets, each a fresh program with its main window up.
std::function<std::unique_ptr<Session>()> widgetSessions(int &argc, char **argv);
