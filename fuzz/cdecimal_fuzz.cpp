// CDecimal: a value exactly when the text has at most 30 characters, and then the sum of the place
// values of its ones.
#include "fuzz_text.h"

#include <arith/binary_text.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::u32string text = fuzzing::ConsumeText(data, 40);
    const auto value = arith::CDecimal(text);
    if (value.has_value() != (text.size() <= 30)) {
        std::abort();
    }
    if (value) {
        std::int64_t expected = 0;
        for (const char32_t c : text) {
            expected = expected * 2 + (c == U'1' ? 1 : 0);
        }
        if (*value != expected) {
            std::abort();
        }
    }
    return 0;
}
