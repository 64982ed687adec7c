// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>
#include <vector>

class Form;
class Platform;

// Every window of the program by name, each built fresh from its control table.
std::vector<std::string_view> windowNames();
bool hasWindow(std::string_view formName);
// A new instance of the window in its design-time state, or null for an unknown name.
std::unique_ptr<Form> createWindow(std::string_view formName, Platform &platform);
