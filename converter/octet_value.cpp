#include "converter/octet_value.h"

#include <array>
#include <limits>

namespace converter {

namespace {

bool IsIgnored(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n';
}
bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
int DigitValue(char32_t c) {
    return static_cast<int>(c - U'0');
}

// Walks a part, stepping over ignored characters.
class PartCursor {
public:
    explicit PartCursor(std::u32string_view part) : part_(part) { SkipIgnored(); }

    [[nodiscard]] bool AtEnd() const { return pos_ == part_.size(); }
    [[nodiscard]] char32_t Peek() const { return AtEnd() ? U'\0' : part_[pos_]; }
    void Advance() {
        ++pos_;
        SkipIgnored();
    }

private:
    void SkipIgnored() {
        while (pos_ < part_.size() && IsIgnored(part_[pos_])) {
            ++pos_;
        }
    }

    std::u32string_view part_;
    std::size_t pos_ = 0;
};

// Past this an exponent makes every non-zero mantissa overflow or vanish; saturating keeps the
// arithmetic in range however many exponent digits are typed.
constexpr std::int64_t kExponentLimit = std::int64_t{1} << 50;

// Enough leading significant digits to decide a value below 10^5 and its rounding: five for the
// whole part, one for the rounding digit; anything further only matters as "non-zero or not".
constexpr std::size_t kKeptDigits = 7;

struct Mantissa {
    std::array<int, kKeptDigits> digits{};
    std::int64_t significantCount = 0; // digits after the leading zeros
    bool nonZeroBeyondKept = false;
    bool hasDigits = false;
};

Mantissa ReadMantissa(PartCursor& cursor) {
    Mantissa m;
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
        m.hasDigits = true;
        const int digit = DigitValue(cursor.Peek());
        if (m.significantCount == 0 && digit == 0) {
            continue;
        }
        if (m.significantCount < static_cast<std::int64_t>(kKeptDigits)) {
            m.digits[static_cast<std::size_t>(m.significantCount)] = digit;
        } else if (digit != 0) {
            m.nonZeroBeyondKept = true;
        }
        ++m.significantCount;
    }
    return m;
}

// An exponent counts only when digits follow the E and its sign; otherwise the number ends
// before the E. The cursor moves only over what was read.
std::int64_t ReadExponent(PartCursor& cursor) {
    if (cursor.Peek() != U'E' && cursor.Peek() != U'e') {
        return 0;
    }
    PartCursor lookahead = cursor;
    lookahead.Advance();
    bool negative = false;
    if (lookahead.Peek() == U'+' || lookahead.Peek() == U'-') {
        negative = lookahead.Peek() == U'-';
        lookahead.Advance();
    }
    if (!IsDigit(lookahead.Peek())) {
        return 0;
    }
    std::int64_t exponent = 0;
    for (; IsDigit(lookahead.Peek()); lookahead.Advance()) {
        exponent = std::min(exponent * 10 + DigitValue(lookahead.Peek()), kExponentLimit);
    }
    cursor = lookahead;
    return negative ? -exponent : exponent;
}

// The magnitude 0.d1 d2 d3 ... x 10^wholeDigits rounded half to even, or no value when it cannot
// be below 10^5.
std::optional<std::int32_t> RoundMagnitude(const Mantissa& m, std::int64_t wholeDigits) {
    if (m.significantCount == 0 || wholeDigits < 0) {
        return 0;
    }
    if (wholeDigits > 5) {
        return std::nullopt;
    }
    const auto whole = static_cast<std::size_t>(wholeDigits);
    std::int32_t value = 0;
    for (std::size_t i = 0; i < whole; ++i) {
        value = value * 10 + m.digits[i]; // kept digits past the significant ones are zeros
    }
    const int roundingDigit = m.digits[whole];
    bool restNonZero = m.nonZeroBeyondKept;
    for (std::size_t i = whole + 1; i < kKeptDigits; ++i) {
        restNonZero = restNonZero || m.digits[i] != 0;
    }
    if (roundingDigit > 5 || (roundingDigit == 5 && (restNonZero || value % 2 == 1))) {
        ++value;
    }
    return value;
}

} // namespace

std::optional<std::int16_t> ReadOctetValue(std::u32string_view part) {
    PartCursor cursor(part);
    bool negative = false;
    if (cursor.Peek() == U'+' || cursor.Peek() == U'-') {
        negative = cursor.Peek() == U'-';
        cursor.Advance();
    }
    const Mantissa mantissa = ReadMantissa(cursor);
    if (!mantissa.hasDigits) {
        return 0;
    }
    const std::int64_t exponent = ReadExponent(cursor);
    const auto magnitude = RoundMagnitude(mantissa, mantissa.significantCount + exponent);
    if (!magnitude) {
        return std::nullopt;
    }
    const std::int32_t value = negative ? -*magnitude : *magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace converter
