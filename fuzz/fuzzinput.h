// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

// The decimal separators a user's regional settings give: the two common
// ones, and the Arabic one, two bytes in UTF-8, which also shows that a
// separator is matched as a whole and never byte by byte.
constexpr std::array<std::string_view, 3> Separators = {".", ",", "\xD9\xAB"};

// The first byte of an input picks the separator, the rest is the payload.
struct Input {
    std::string_view separator;
    std::string_view payload;
};

inline Input splitInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {Separators[0], {}};
    return {Separators[data[0] % Separators.size()],
            std::string_view(reinterpret_cast<const char *>(data) + 1, size - 1)};
}

// A broken property ends the run the way a crash does, so that libFuzzer
// keeps the input and the corpus replay fails; the input goes to stderr in
// a form that can be pasted into a test.
[[noreturn]] inline void fail(const char *what, const std::uint8_t *data, std::size_t size)
{
    std::fprintf(stderr, "property broken: %s\ninput (%zu bytes): \"", what, size);
    for (std::size_t i = 0; i < size; ++i)
        std::fprintf(stderr, "\\x%02X", data[i]);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

} // namespace fuzz
