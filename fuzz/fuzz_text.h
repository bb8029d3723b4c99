// Turns fuzzer bytes into Unicode text that reaches far beyond ASCII.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace fuzzing {

// Mostly ASCII, where the interesting characters are, with any code point now and then.
inline std::u32string ConsumeText(FuzzedDataProvider& data, std::size_t maxLength) {
    std::u32string text;
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, maxLength);
    while (text.size() < length && data.remaining_bytes() > 0) {
        const auto byte = data.ConsumeIntegral<std::uint8_t>();
        text += byte < 0xF0 ? static_cast<char32_t>(byte)
                            : data.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF);
    }
    return text;
}

} // namespace fuzzing
