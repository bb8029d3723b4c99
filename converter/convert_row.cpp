#include "converter/convert_row.h"

#include "converter/dotted_text.h"

namespace converter {

void ConvertRow(ConverterRow& row) {
    switch (row.BarValue()) {
    case kToDecimal:
        if (auto decimal = BinaryToDecimal(row.BinaryText())) {
            row.SetDecimalText(*decimal);
        }
        break;
    case kToBinary:
        if (auto binary = DecimalToBinary(row.DecimalText())) {
            row.SetBinaryText(*binary);
        }
        break;
    default:
        break;
    }
    row.SetBarValue(kResting);
}

} // namespace converter
