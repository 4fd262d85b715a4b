// Results that clients send after the organiser swapped pairings or removed a player.
#include "ServerFixture.h"
#include "Spielerbau.h"
#include "core/PaarungTauschen.h"
#include "core/SpielerLoeschen.h"

TEST_F(ServerTest, AfterASwapAndARemovalResultsLandOnThePlayersNowPaired) {
    // Anna-Dora (table 2) and Bernd-Carl (table 1) become Anna-Carl and Dora-Bernd.
    AmHauptthread([] { TauschePaarungen("Anna Alt", "Carl Cox", "Dora Dahl", "Bernd B\xE4r"); });
    auto c = Anmelden("Tisch 2");
    c->SendeZeile("Sende");
    c->SendeInts({1, 3, 700, 300, 14, 2, 1, 1, 0, 0});
    c->SendeZeile("Hole");
    c->SendeInts({4});
    std::string erwartet = Bestaetigt + Bestaetigt + Ints({1}) + DreiZeilen + Ints({1, 1, 1, 1}) +
                           "Dora Dahl\r\nBernd B\xE4r\r\n" + Ints({4, 2, 800, 4, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(c->Lies(erwartet.size()), erwartet);
    AmHauptthread([] {
        EXPECT_EQ(RundenWerte(*FindeSpieler(1), 2), (std::vector<int>{3, 700, 14, 1, 0}));
        EXPECT_EQ(RundenWerte(*FindeSpieler(3), 2), (std::vector<int>{1, 300, 2, 1, 0}));
        // Dora leaves; her game still answers, and a result for it reaches Bernd alone.
        EXPECT_TRUE(LoescheSpielerNachName("Dora Dahl"));
    });
    c->SendeZeile("Sende");
    c->SendeInts({4, 2, 100, 900, 3, 13, 0, 2, 0, 0});
    c->SendeZeile("Hole");
    c->SendeInts({2});
    erwartet = Bestaetigt + Bestaetigt + Ints({0, 0, 1}) + "Dora Dahl\r\nBernd B\xE4r\r\n" +
               Ints({4, 2, 100, 3, 900, 13, 0, 2, 0, 0});
    EXPECT_EQ(c->Lies(erwartet.size()), erwartet);
    AmHauptthread([] {
        EXPECT_EQ(RundenWerte(*FindeSpieler(2), 2), (std::vector<int>{4, 900, 13, 2, 0}));
        EXPECT_EQ(Spielerliste.size(), 5u);
    });
}
