// ConvertRow on arbitrary boxes and bar positions: the box read is never changed, a box written
// holds only converted parts joined by ".", input without an answer changes nothing, and the bar
// always ends at rest.
#include "fuzz_text.h"
#include "support/fake_row.h"

#include <converter/convert_row.h>

#include <algorithm>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool OnlyPartsOf(const std::u32string& text, std::u32string_view alphabet) {
    return !text.empty() && text.front() != U'.' && text.back() != U'.' &&
           text.find(U"..") == std::u32string::npos &&
           text.find_first_not_of(std::u32string(alphabet) + U".") == std::u32string::npos;
}

std::size_t PartCount(const std::u32string& text) {
    return text.empty() ? 0
                        : 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), U'.'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int push = data.ConsumeIntegralInRange<int>(-1, 3);
    const std::u32string decimalBefore = fuzzing::ConsumeText(data, 512);
    const std::u32string binaryBefore = fuzzing::ConsumeText(data, 512);
    testing_support::FakeRow row(decimalBefore, binaryBefore);

    row.Push(push);
    Require(row.BarValue() == converter::kResting);
    Require(row.conversions <= 2); // the return to rest must not convert again and again

    if (push == converter::kToDecimal) {
        Require(row.binary() == binaryBefore);
        Require(row.decimal() == decimalBefore ||
                (OnlyPartsOf(row.decimal(), U"0123456789") &&
                 PartCount(row.decimal()) == PartCount(binaryBefore)));
    } else if (push == converter::kToBinary) {
        Require(row.decimal() == decimalBefore);
        Require(row.binary() == binaryBefore ||
                (OnlyPartsOf(row.binary(), U"01-") &&
                 PartCount(row.binary()) == std::max<std::size_t>(1, PartCount(decimalBefore))));
    } else {
        Require(row.decimal() == decimalBefore && row.binary() == binaryBefore);
    }
    return 0;
}
