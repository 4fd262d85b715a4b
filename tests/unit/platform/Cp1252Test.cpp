#include "platform/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252, MapsTheHighRangeAndUmlautsToTheirUnicodeCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9A\x9F"), "ŠšŸ");
    EXPECT_EQ(Cp1252ToUtf8("\x84\x93\x94\x96\x97"), "„“”–—");
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), "äöüÄÖÜß");
    EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\xC2\xA0");
    EXPECT_EQ(Utf8ToCp1252("Bemalung für Übersicht"), "Bemalung f\xFCr \xDC"
                                                      "bersicht");
    EXPECT_EQ(Utf8ToCp1252("€ ™ œ"), "\x80 \x99 \x9C");
}

TEST(Cp1252, CharactersOutside1252AndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82"), "a??") << "truncated sequence";
    EXPECT_EQ(Utf8ToCp1252("Ж"), "?");
    EXPECT_EQ(Utf8ToCp1252("x😀y"), "x?y");
    EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");
    EXPECT_EQ(Utf8ToCp1252("\x80"), "?") << "a lone continuation byte";
}

TEST(Cp1252, ComparesWithoutRegardToCaseIncludingAccentedLetters) {
    EXPECT_TRUE(SameTextIgnoringCase("Neutral", "nEUTRAL"));
    EXPECT_TRUE(SameTextIgnoringCase(Utf8ToCp1252("Köln"), Utf8ToCp1252("KÖLN")));
    EXPECT_TRUE(SameTextIgnoringCase(Utf8ToCp1252("šœžÿ"), Utf8ToCp1252("ŠŒŽŸ")));
    EXPECT_FALSE(SameTextIgnoringCase("Neutral", "Neutral "));
    EXPECT_FALSE(SameTextIgnoringCase(Utf8ToCp1252("÷"), Utf8ToCp1252("×")))
        << "division and multiplication signs are no letters";
    EXPECT_FALSE(SameTextIgnoringCase(Utf8ToCp1252("ß"), "\x7F"));
    EXPECT_EQ(Cp1252Upper('['), '[');
    EXPECT_EQ(Cp1252Upper(0xDF), 0xDF) << "sharp s has no single upper-case byte";
}

TEST(Cp1252, TextForAMessageShowsControlBytesAndCutsALongText) {
    EXPECT_EQ(TextFuerMeldung(std::string_view("K\xF6ln\0\r\n\x7F\x81\x80", 10)),
              "Köln\\x00\\x0D\\x0A\\x7F\\x81€");
    EXPECT_EQ(TextFuerMeldung(std::string(101, 'x')), std::string(100, 'x') + "...");
    EXPECT_EQ(TextFuerMeldung(std::string(100, 'x')), std::string(100, 'x'));
}
