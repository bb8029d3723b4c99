#include <cstddef>
#include <form/controls.h>
#include <gtest/gtest.h>
#include <string_view>

namespace {

// Read line by line, as a narrow screen shows the window: a line holds the controls that overlap
// from top to bottom, left to right, though a converter's bar is shorter than its boxes and a
// Select button than its option.
TEST(ReadingPlace, EachLineOfTheWindowReadsLeftToRight) {
    const struct {
        std::string_view name;
        int index;
        int line;
        int place;
    } cases[] = {
        {"cmdQuestion", 0, 1, 1},
        {"cmdQuestion", 2, 1, 3},
        {"lblQuestion", form::kSingle, 2, 1},
        {"lblAQuestion", form::kSingle, 3, 1},
        {"Label2", 0, 4, 1},
        {"lblAnsA", 0, 4, 2},
        {"Command2", 0, 4, 3},
        {"lblSolution", 0, 4, 4},
        {"Command2", 1, 5, 3},
        {"lblSolution", 3, 7, 4},
        {"txtDecimal", 0, 8, 1},
        {"HScroll1", 0, 8, 2},
        {"txtBinary", 0, 8, 3},
        {"HScroll1", 1, 9, 2},
        {"txtBinary", 1, 9, 3},
    };
    for (const auto& c : cases) {
        std::size_t row = 0;
        while (form::kControls.at(row).name != c.name || form::kControls.at(row).index != c.index) {
            ++row;
        }
        const form::ReadingPlace place = form::ReadingPlaceOf(row);
        EXPECT_EQ(place.line, c.line) << c.name << "(" << c.index << ")";
        EXPECT_EQ(place.place, c.place) << c.name << "(" << c.index << ")";
    }
}

} // namespace
