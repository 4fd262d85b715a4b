#include "platform/FixedString.h"

#include <gtest/gtest.h>

TEST(FixedString, KeepsExactlyTheFirstNCharacters) {
    FixedString<5> s;
    s = std::string("abcde");
    EXPECT_EQ(s.str(), "abcde");
    s = std::string("abcdef");
    EXPECT_EQ(s.str(), "abcde");
    s = "ab";
    EXPECT_EQ(s.str(), "ab");
    const FixedString<3> constructed("\xE4\xF6\xFC\xDF");
    EXPECT_EQ(constructed.str(), "\xE4\xF6\xFC") << "1252 umlauts are one character each";
}
