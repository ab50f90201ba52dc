// Text to number as the settings file and the configuration dialog read it.
#include "app/NumberFromText.h"
#include <gtest/gtest.h>
#include <string>

namespace {

struct Conversion {
    std::string text;
    int expected;
};
void PrintTo(const Conversion& c, std::ostream* out) {
    *out << "\"" << c.text.substr(0, 40) << (c.text.size() > 40 ? "...\"" : "\"");
}

class NumberFromTextTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(NumberFromTextTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(NumberFromText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PlainAndBlanks, NumberFromTextTest,
                         ::testing::Values(Conversion{"3", 3}, Conversion{"", 0},
                                           Conversion{" \t 7", 7}, Conversion{"\r\n12", 12},
                                           Conversion{"12abc", 12}, Conversion{"7 8", 7},
                                           Conversion{"abc", 0}, Conversion{"x5", 0},
                                           Conversion{"- 4", 0}, Conversion{".", 0},
                                           Conversion{"-4", -4}));

// A half goes to the even neighbour, on either side of zero; anything above a half
// goes up, however far down the fraction the excess lies.
INSTANTIATE_TEST_SUITE_P(Rounding, NumberFromTextTest,
                         ::testing::Values(Conversion{"2.5", 2}, Conversion{"3.5", 4},
                                           Conversion{".5", 0}, Conversion{".6", 1},
                                           Conversion{"2.49999", 2}, Conversion{"2.5000001", 3},
                                           Conversion{"2.50000", 2}, Conversion{"-2.5", -2},
                                           Conversion{"-3.5", -4}, Conversion{"4.7abc", 5}));

INSTANTIATE_TEST_SUITE_P(
    Range, NumberFromTextTest,
    ::testing::Values(Conversion{"32767", 32767}, Conversion{"32767.5", -32768},
                      Conversion{"40000", -32768}, Conversion{"-32768", -32768},
                      Conversion{"-32769", -32768}, Conversion{std::string(100000, '9'), -32768},
                      Conversion{"3." + std::string(100000, '0') + "1", 3},
                      Conversion{"2." + std::string(100000, '5'), 3}));

} // namespace
