#include "converter/convert_row.h"

#include "converter/dotted_text.h"

#include <utility>

namespace converter {

void ConvertRow(ConverterRow& row) {
    switch (row.BarValue()) {
    case kToDecimal:
        if (auto decimal = BinaryToDecimal(row.BinaryText())) {
            row.SetDecimalText(std::move(*decimal));
        }
        break;
    case kToBinary:
        if (auto binary = DecimalToBinary(row.DecimalText())) {
            row.SetBinaryText(std::move(*binary));
        }
        break;
    default:
        break;
    }
    row.SetBarValue(kResting);
}

} // namespace converter
