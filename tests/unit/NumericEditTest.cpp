#include "dialogs/NumericEdit.h"

#include <gtest/gtest.h>

using dialogs::NumberFormat;
using dialogs::NumericEditDisplay;
using dialogs::NumericEditValue;

namespace {

const NumberFormat kGerman{',', "."};
const NumberFormat kSwiss{'.', "\xE2\x80\x99"}; // a separator of more than one byte

TEST(NumericEdit, ReadsTheTypedTextInTheUserFormat) {
    EXPECT_DOUBLE_EQ(NumericEditValue("150,7", kGerman), 150.7);
    EXPECT_DOUBLE_EQ(NumericEditValue("1.500", kGerman), 1500);
    EXPECT_DOUBLE_EQ(NumericEditValue(" -2.000,5 ", kGerman), -2000.5);
    EXPECT_DOUBLE_EQ(NumericEditValue("1\xE2\x80\x99"
                                      "500.25",
                                      kSwiss),
                     1500.25);
    for (const char* text : {"", "abc", "1,2,3", "12a"}) {
        EXPECT_EQ(NumericEditValue(text, kGerman), 0) << text;
    }
}

TEST(NumericEdit, ShowsThousandsWithoutDecimalsAndAtMostEightDigits) {
    EXPECT_EQ(NumericEditDisplay(1500, kGerman), "1.500");
    EXPECT_EQ(NumericEditDisplay(200, kGerman), "200");
    EXPECT_EQ(NumericEditDisplay(-1234567, kGerman), "-1.234.567");
    EXPECT_EQ(NumericEditDisplay(123456789, kGerman), "123.456.790");
    EXPECT_EQ(NumericEditDisplay(150.7, kGerman), "151");
    EXPECT_EQ(NumericEditDisplay(-0.2, kGerman), "0");
    EXPECT_EQ(NumericEditDisplay(1500, kSwiss), "1\xE2\x80\x99"
                                                "500");
}

} // namespace
