// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Answers the options that need no window, before any display is opened:
// --help and --version print their text and give 0; an unknown option or an
// argument gives a short message on the error stream and 2. Nothing when the
// program should go on to its windows.
std::optional<int> answerCommandLine(int argc, char **argv);
