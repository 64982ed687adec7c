// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

class Session;

// Implemented on the widgets in gui/, linked in when Qt is there; declared here
// so that the runner's main includes nothing from the layer above it.
// Starts Qt once (offscreen unless a platform is set) and gives a maker of
// sessions on the real widgets, each a fresh program with its main window up.
std::function<std::unique_ptr<Session>()> widgetSessions(int &argc, char **argv);
