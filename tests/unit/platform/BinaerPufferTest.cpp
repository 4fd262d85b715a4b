#include "platform/BinaerPuffer.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

// Bytes no writer of ours produces must still read safely.
TEST(BinaerPuffer, ToleratesOddLengthBytesFlagsAndCounts) {
    const std::string bytes = "\xff"
                              "abc"
                              "\x02"
                              "\xf9\xff\xff\xff"
                              "\x02\x00\x00\x00"
                              "x"s;
    TBinaerLeser l(bytes, "f.dat");
    EXPECT_EQ(l.Text(3), "abc") << "a length above the width takes the width";
    EXPECT_TRUE(l.Flag()) << "any byte but 0 is true";
    EXPECT_EQ(l.Anzahl(1), 0) << "a negative count is no entry";
    EXPECT_THROW(l.Anzahl(1), EFileFormatError) << "two entries do not fit into one byte";
    EXPECT_EQ(l.Rest(), 1u);
}
