// ReadOctetValue never fails on any text; where a plain integer is written out it agrees with it.
#include "fuzz_text.h"

#include <converter/octet_value.h>

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::u32string part = fuzzing::ConsumeText(data, 64);
    const auto value = converter::ReadOctetValue(part);

    // Cross-check on texts that are nothing but an optional minus and a few digits.
    const bool negative = !part.empty() && part[0] == U'-';
    const std::u32string digits = part.substr(negative ? 1 : 0);
    if (!digits.empty() && digits.size() <= 9 &&
        digits.find_first_not_of(U"0123456789") == std::u32string::npos) {
        const long magnitude = std::stol(std::string(digits.begin(), digits.end()));
        const long expected = negative ? -magnitude : magnitude;
        const bool fits = expected >= -32768 && expected <= 32767;
        if (value.has_value() != fits || (fits && *value != expected)) {
            std::abort();
        }
    }
    return 0;
}
