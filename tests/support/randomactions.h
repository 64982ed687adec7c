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

// Where the choices of a random session come from: a seeded generator, or a
// fuzzer's data.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The next byte; 0 once the source has run out.
    virtual std::uint8_t next() = 0;
    virtual bool exhausted() const = 0;
};

// Endless bytes from a seed and a salt (a window's name, say); the same pair
// gives the same bytes everywhere.
class SeededBytes final : public ByteSource {
public:
    explicit SeededBytes(std::uint32_t seed, std::string_view salt = {});
    std::uint8_t next() override;
    bool exhausted() const override { return false; }

private:
    std::mt19937 m_engine;
    std::uint32_t m_word = 0;
    int m_left = 0; // bytes of m_word not yet given
};

// The bytes of a buffer, then zeros.
class BufferBytes final : public ByteSource {
public:
    explicit BufferBytes(std::span<const std::uint8_t> data)
        : m_data(data)
    {
    }
    std::uint8_t next() override { return m_at < m_data.size() ? m_data[m_at++] : 0; }
    bool exhausted() const override { return m_at >= m_data.size(); }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_at = 0;
};

// The next thing the user does to the window, as a step of a scenario file
// (`type Text1 "5"`, `close`, ...): its target chosen among the window's
// controls by their kind, their handlers and whether the user can reach them,
// never by name. Nothing once the bytes have run out.
std::optional<std::string> nextAction(ByteSource &bytes, const Form &window);
