#include "platform/Convert.h"
#include "platform/Errors.h"

#include <climits>
#include <gtest/gtest.h>

TEST(StrToInt, AcceptsSignDigitsAndSurroundingBlanks) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("-17"), -17);
    EXPECT_EQ(StrToInt("+17"), 17);
    EXPECT_EQ(StrToInt(" \t42 "), 42);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), INT_MAX);
    EXPECT_EQ(StrToInt("-2147483648"), INT_MIN);
}

TEST(StrToInt, RejectsEverythingElseNamingTheText) {
    for (const char* bad : {"", " ", "-", "+", "1 2", "0x10", "$10", "1.5", "1e3", "12a", "--1",
                            "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
        int v = 5;
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
        EXPECT_EQ(v, 5) << "a failed conversion must leave the value alone";
    }
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("'abc'"), std::string::npos);
    }
}
