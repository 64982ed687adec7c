// SPDX-License-Identifier: GPL-3.0-or-later
// A user session on the window models, decoded from the input: the first byte
// chooses the window, the rest are the user's actions. Every rule that the
// random-session tests check holds after every action.
#include "catalog.h"
#include "fuzzcheck.h"
#include "modelsession.h"
#include "randomactions.h"
#include "randomsession.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::vector<std::string_view> windows = windowNames();
    const std::string_view window = windows[data[0] % windows.size()];
    ByteSource bytes(std::span(data + 1, size - 1));
    // Long enough for any input the fuzzer makes; the session stops when the bytes run out.
    const SessionOutcome outcome = runRandomSession(std::make_unique<ModelSession>(), bytes, window, 1 << 20);
    // Every rule kept after every action, or the one broken.
    require(!outcome.fault, (std::string(window) + ": " + outcome.fault.value_or("")).c_str());
    return 0;
}
