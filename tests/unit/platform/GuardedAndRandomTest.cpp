#include "platform/Errors.h"
#include "platform/Guarded.h"
#include "platform/Random.h"

#include "RecordingMessages.h"

#include <gtest/gtest.h>

TEST(Guarded, ShowsTheErrorOfAFailedCommandAndGoesOn) {
    RecordingMessages messages;
    int steps = 0;
    EXPECT_FALSE(Guarded([&] {
        ++steps;
        throw EInOutError("Datei kann nicht geöffnet werden: x.dat");
    }));
    EXPECT_FALSE(Guarded([] { throw std::runtime_error("anything else"); }));
    EXPECT_TRUE(Guarded([&] { ++steps; }));
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(
        messages.Texts(RecordedMessage::Error),
        (std::vector<std::string>{"Datei kann nicht geöffnet werden: x.dat", "anything else"}));
}

TEST(Random, ReseedingRepeatsTheSequenceWithinRange) {
    SeedRandom(7);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i)
        first.push_back(Zufallszahl());
    SeedRandom(7);
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 1000; ++i) {
        const int v = Zufallszahl();
        EXPECT_EQ(v, first[static_cast<size_t>(i)]);
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 9999);
        sawLow |= v < 1000;
        sawHigh |= v > 9000;
    }
    EXPECT_TRUE(sawLow && sawHigh) << "the whole range is drawn";
}
