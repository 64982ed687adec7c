// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class Session;

using SessionFactory = std::function<std::unique_ptr<Session>()>;

struct Tally {
    int passed = 0;
    int failed = 0;
};

// Carries out one line of a scenario: an action, or a check whose failure
// comes back as its message. A line that cannot be carried out throws.
std::optional<std::string> runStep(Session &session, std::string_view line);

// Runs every scenario of a script, each on a fresh session. A scenario fails
// at its first failed check or unusable step, or with events left unchecked at
// its end, reported on `out` as
// "name:line: ..."; the run goes on with the next scenario.
Tally runScript(const std::string &name, const std::string &text, const SessionFactory &sessions, std::ostream &out);

// Runs the files in order and prints the closing line "N passed, N failed".
// Returns the exit status: 0 only if every scenario passed.
int runFiles(int count, char **paths, const SessionFactory &sessions, std::ostream &out);
