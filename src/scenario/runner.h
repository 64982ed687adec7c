#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

class Session;

using SessionFactory = std::function<std::unique_ptr<Session>()>;

struct Tally {
    int passed = 0;
    int failed = 0;
};

// Runs every scenario of a script, each on a fresh session. A scenario fails
// at its first failed check or unusable step, or with events left unchecked at
// its end, reported on `out` as
// "name:line: ..."; the run goes on with the next scenario.
Tally runScript(const std::string &name, const std::string &text, const SessionFactory &sessions, std::ostream &out);

// Runs the files in order and prints the closing line "N passed, N failed".
// Returns the exit status: 0 only if every scenario passed.
int runFiles(int count, char **paths, const SessionFactory &sessions, std::ostream &out);
