#include "converter/dotted_text.h"

#include "converter/octet_value.h"

#include <arith/binary_text.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace converter {

namespace {

// Calls visit(part) for each part in order until it returns false; false if one did.
template <typename Visit> bool ForEachPart(std::u32string_view text, Visit visit) {
    if (text.empty()) {
        return true;
    }
    for (;;) {
        const std::size_t dot = text.find(U'.');
        if (!visit(text.substr(0, dot))) {
            return false;
        }
        if (dot == std::u32string_view::npos) {
            return true;
        }
        text.remove_prefix(dot + 1);
    }
}

void AppendAscii(std::u32string& out, std::string_view ascii) {
    out.append(ascii.begin(), ascii.end());
}

constexpr std::int16_t kOctetWidth = 8;

} // namespace

std::optional<std::u32string> BinaryToDecimal(std::u32string_view binary) {
    if (binary.empty()) {
        return std::nullopt;
    }
    std::u32string decimal;
    decimal.reserve(binary.size()); // enough unless the text is mostly dots
    bool first = true;
    const bool complete = ForEachPart(binary, [&](std::u32string_view part) {
        const auto value = arith::CDecimal(part);
        if (!value) {
            return false;
        }
        if (!first) {
            decimal += U'.';
        }
        first = false;
        std::array<char, 16> digits{};
        const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), *value).ptr;
        AppendAscii(decimal, {digits.data(), static_cast<std::size_t>(end - digits.data())});
        return true;
    });
    if (!complete) {
        return std::nullopt;
    }
    return decimal;
}

std::optional<std::u32string> DecimalToBinary(std::u32string_view decimal) {
    // Counted first so that an over-long text is declined before any part is read.
    if (std::cmp_greater_equal(std::count(decimal.begin(), decimal.end(), U'.'),
                               kMaxDecimalParts)) {
        return std::nullopt;
    }
    std::array<std::int16_t, kMaxDecimalParts> values{};
    std::size_t partCount = 0;
    const bool complete = ForEachPart(decimal, [&](std::u32string_view part) {
        const auto value = ReadOctetValue(part);
        if (value) {
            values[partCount++] = *value;
        }
        return value.has_value();
    });
    if (!complete) {
        return std::nullopt;
    }
    std::u32string binary;
    AppendAscii(binary, arith::CBin(values[0], kOctetWidth));
    for (std::size_t k = 1; k < partCount; ++k) {
        binary += U'.';
        AppendAscii(binary, arith::CBin(values[k], kOctetWidth));
    }
    return binary;
}

} // namespace converter
