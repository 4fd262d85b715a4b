#include "platform/BinaerPuffer.h"
#include "platform/Errors.h"

#include <climits>
#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(BinaerPuffer, WritesLittleEndianFieldsAndZeroFilledTexts) {
    TBinaerSchreiber s;
    s.Int32(0x01020304);
    s.Int32(-2);
    s.Double(1.5);
    s.Flag(true);
    s.Flag(false);
    s.Text("ab", 4);
    s.Text("abcdef", 3);
    EXPECT_EQ(s.Bytes(), "\x04\x03\x02\x01"
                         "\xfe\xff\xff\xff"
                         "\x00\x00\x00\x00\x00\x00\xf8\x3f"
                         "\x01\x00"
                         "\x02"
                         "ab\x00\x00"
                         "\x03"
                         "abc"s);
}

TEST(BinaerPuffer, ReadsBackWhatWasWritten) {
    TBinaerSchreiber s;
    s.Int32(INT_MIN);
    s.Int32(INT_MAX);
    s.Double(-0.1);
    s.Flag(true);
    s.Text("\xe4rger", 20);
    const std::string bytes = s.Take();
    TBinaerLeser l(bytes, "f.dat");
    EXPECT_EQ(l.Int32(), INT_MIN);
    EXPECT_EQ(l.Int32(), INT_MAX);
    EXPECT_EQ(l.Double(), -0.1);
    EXPECT_TRUE(l.Flag());
    EXPECT_EQ(l.Text(20), "\xe4rger");
    EXPECT_EQ(l.Rest(), 0u);
}

TEST(BinaerPuffer, ToleratesOddLengthBytesAndFlags) {
    const std::string bytes = "\xff"
                              "abc"
                              "\x02"s;
    TBinaerLeser l(bytes, "f.dat");
    EXPECT_EQ(l.Text(3), "abc") << "a length above the width takes the width";
    EXPECT_TRUE(l.Flag()) << "any byte but 0 is true";
}

TEST(BinaerPuffer, NeverReadsPastTheEndAndNamesTheFile) {
    const std::string bytes = "\x01\x02\x03"s;
    TBinaerLeser l(bytes, "turnier.dat");
    try {
        l.Int32();
        FAIL();
    } catch (const EFileFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("turnier.dat"), std::string::npos);
    }
    EXPECT_EQ(l.Position(), 0u);
    EXPECT_THROW(l.Text(3), EFileFormatError) << "the length byte and three characters are four";
    EXPECT_EQ(l.Text(2), "\x02\x03"s.substr(0, 1));
}

TEST(BinaerPuffer, CountsMustFitIntoTheRest) {
    TBinaerSchreiber s;
    s.Int32(3);
    s.Text("", 9);
    s.Text("", 9);
    s.Text("", 9);
    s.Int32(-7);
    std::string bytes = s.Take();
    {
        TBinaerLeser l(bytes, "f");
        EXPECT_EQ(l.Anzahl(10), 3);
    }
    {
        TBinaerLeser l(bytes, "f");
        EXPECT_THROW(l.Anzahl(12), EFileFormatError) << "34 bytes left hold two entries of 12";
    }
    {
        TBinaerLeser l(std::string_view(bytes).substr(34), "f");
        EXPECT_EQ(l.Anzahl(1), 0) << "a negative count is no entry";
    }
    const std::string riesig = "\xff\xff\xff\x7f"s;
    TBinaerLeser l(riesig, "f");
    EXPECT_THROW(l.Anzahl(1), EFileFormatError);
}
