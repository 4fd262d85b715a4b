// The server log's bounds: long lines cut with a note of what was cut, and a backlog that keeps
// only its most recent lines with a note of how many were dropped.
#include "server/Logpuffer.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(Logpuffer, CutsLongLinesAndKeepsTheMostRecentOnes) {
    const std::string grenze(Logpuffer::MaxZeichen, 'x');
    EXPECT_EQ(Logpuffer::Gekuerzt(grenze), grenze);
    EXPECT_EQ(Logpuffer::Gekuerzt(grenze + "abc"), grenze + " ... (3 more characters)");

    Logpuffer puffer;
    EXPECT_EQ(puffer.Nimm(), "");
    EXPECT_TRUE(puffer.Hinzufuegen("eins"));
    EXPECT_FALSE(puffer.Hinzufuegen(""));
    EXPECT_FALSE(puffer.Hinzufuegen("drei"));
    EXPECT_EQ(puffer.Nimm(), "eins\n\ndrei");

    const size_t zuviel = 5;
    for (size_t i = 0; i < Logpuffer::MaxAusstehend + zuviel; ++i)
        EXPECT_EQ(puffer.Hinzufuegen(std::to_string(i) + grenze + "!"), i == 0);
    const std::string text = puffer.Nimm();
    EXPECT_EQ(text.substr(0, text.find('\n')), "... 5 lines not shown");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), Logpuffer::MaxAusstehend);
    EXPECT_NE(text.find("\n5" + grenze.substr(1) + " ... (2 more characters)\n"),
              std::string::npos);
    EXPECT_TRUE(puffer.Hinzufuegen("neu"));
}
