// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>

class Form;

// Where the choices of a random session come from: endless bytes from a seed
// and a salt (a window's name, say), the same on every run, or a fuzzer's data and then zeros.
class ByteSource {
public:
    ByteSource(std::uint32_t seed, std::string_view salt);
    explicit ByteSource(std::span<const std::uint8_t> data)
        : m_data(data)
        , m_seeded(false)
    {
    }
    std::uint8_t next();
    bool exhausted() const { return !m_seeded && m_at >= m_data.size(); }

private:
    std::mt19937 m_engine;
    std::span<const std::uint8_t> m_data;
    std::size_t m_at = 0;
    bool m_seeded = true;
};

// The next thing the user does to the window, as a step of a scenario file
// (`type Text1 "5"`, `close`, ...): its target chosen among the window's
// controls by their kind, their handlers and whether the user can reach them,
// never by name. Nothing once the bytes have run out.
std::optional<std::string> nextAction(ByteSource &bytes, const Form &window);
