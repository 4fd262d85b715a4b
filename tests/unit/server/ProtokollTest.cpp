// The requests of the remote clients over real sockets, byte for byte, and their log lines.
#include "ServerFixture.h"
#include "Spielerbau.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"

#include <algorithm>
#include <set>

namespace {

// The pairing part of a "Hole" reply for the game 1 against 4 as the tournament starts.
const std::string Spiel1gegen4 =
    Ints({1}) + "Anna 'Ace' Alt\r\nDora Dahl\r\n" + Ints({1, 4, 1200, 12, 800, 4, 3, 1, 2, 0});

// A game's stored values: victory points, points, fair play, scenario points, side 1 first.
std::vector<int> Werte(const TPaarung& p) {
    return {p.Ergebnis1.Siegpunkte,     p.Ergebnis2.Siegpunkte,    p.Ergebnis1.Punkte,
            p.Ergebnis2.Punkte,         p.Ergebnis1.Fairplay,      p.Ergebnis2.Fairplay,
            p.Ergebnis1.Szenariopunkte, p.Ergebnis2.Szenariopunkte};
}

TEST_F(ServerTest, FirstHoleCarriesMatrixAndOptionsTheSecondOnlyTheGame) {
    auto c = Anmelden("Tisch 2");
    c->SendeZeile("Hole");
    c->Sende(std::string("\x00\x00\x00\x01", 4));
    // Flag, matrix block, flag, both options, then the game.
    const std::string erste = std::string("Accepting Request\r\n") + std::string("\0\0\0\1", 4) +
                              DreiZeilen + Ints({1, 1, 1}) + Spiel1gegen4;
    EXPECT_EQ(c->Lies(erste.size()), erste);

    c->SendeZeile("Hole");
    c->SendeInts({4}); // the other side's number finds the same game
    const std::string zweite = Bestaetigt + Ints({0, 0}) + Spiel1gegen4;
    EXPECT_EQ(c->Lies(zweite.size()), zweite);

    ASSERT_TRUE(log.WarteAuf("Client Tisch 2 fetched Player 4"));
    EXPECT_EQ(log.Zeilen(),
              (std::vector<std::string>{
                  "Client Tisch 2 has logged in", "Client Tisch 2 has sent Hole",
                  "Client Tisch 2 fetched Player 1", "Client Tisch 2 fetched Matrix",
                  "Client Tisch 2 has sent Hole", "Client Tisch 2 fetched Player 4"}));
}

TEST_F(ServerTest, KeywordsCountAnywhereInTheLineInTheirOwnCase) {
    auto c = Anmelden("K");
    // Ignored lines get no reply: the next reply would otherwise not start where expected.
    for (const char* zeile : {"HOLE", "sende", "MATRIX", "", "Holx"})
        c->SendeZeile(zeile);
    c->SendeZeile("bitte Sende und Hole"); // "Hole" wins over "Sende"
    c->SendeInts({2});
    const std::string spiel23 =
        Ints({1}) + "Bernd B\xE4r\r\nCarl Cox\r\n" + Ints({2, 3, 0, 0, 0, 0, 0, 0, 0, 0});
    std::string erwartet = Bestaetigt + Ints({1}) + DreiZeilen + Ints({1, 1, 1}) + spiel23;
    EXPECT_EQ(c->Lies(erwartet.size()), erwartet);

    c->SendeZeile("xMatrixSendex"); // "Sende" comes before "Matrix"
    c->SendeInts({2, 0, 10, 20, 5, 6, 1, 1, 0, 0});
    c->SendeZeile("zurMatrix");
    c->SendeInts({50, 50});
    erwartet = Bestaetigt + Bestaetigt + Ints({1, 6, 10});
    EXPECT_EQ(c->Lies(erwartet.size()), erwartet);
    ASSERT_TRUE(log.WarteAuf("Client K has sent zurMatrix"));
    EXPECT_TRUE(log.WarteAuf("Client K has sent HOLE"));
    EXPECT_TRUE(log.WarteAuf("Client K has sent "));
    EXPECT_TRUE(log.WarteAuf("Client K has sent 2:0(10:20)"));
}

TEST_F(ServerTest, SendeStoresBySideWhicheverNumberComesFirstAndOnlyTheOptionsInUse) {
    auto c = Anmelden("S");
    c->SendeZeile("Sende");
    // Sent with side 2's number: victory points, points, fair play, scenario, each side 1 first.
    c->SendeInts({4, -17, 300, 1500, 3, 15, 4, 5, 1, 2});
    c->SendeZeile("Sende");
    c->SendeInts({6, 0, 1, 1, 1, 1, 1, 1, 1, 1}); // no game: nothing stored
    EXPECT_EQ(c->Lies(2 * Bestaetigt.size()), Bestaetigt + Bestaetigt);
    ASSERT_TRUE(log.WarteAuf("Client S has sent 4:-17(300:1500)"));
    Abgleich(*c);
    AmHauptthread([] {
        const TPaarung* p = FindePaarungVonSpieler(1);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(Werte(*p), (std::vector<int>{300, 1500, 3, 15, 4, 5, 1, 2}));
        EXPECT_TRUE(p->Eingegeben && p->VomClient);
        // Written into the players' round 2 alone, points as sent (no matrix applied).
        EXPECT_EQ(RundenWerte(*FindeSpieler(4), 2), (std::vector<int>{1, 1500, 15, 5, 2}));
        EXPECT_EQ(FindeSpieler(1)->GetSiegpunkte(1), 0);
        EXPECT_EQ(FindeSpieler(6)->GetRundenAnzahl(), 0);
        EXPECT_FALSE(FindePaarungVonSpieler(2)->Eingegeben);
        FairplayProSpiel = false;
        SzenarioEingabe = false;
    });
    c->SendeZeile("Sende");
    c->SendeInts({1, 0, 10, 20, 30, 40, 50, 60, 70, 80});
    EXPECT_EQ(c->Lies(Bestaetigt.size()), Bestaetigt);
    Abgleich(*c);
    AmHauptthread([] {
        EXPECT_EQ(Werte(*FindePaarungVonSpieler(1)),
                  (std::vector<int>{10, 20, 30, 40, 4, 5, 1, 2}));
        EXPECT_EQ(FindeSpieler(1)->GetFairplay(2), 4);
    });
}

// The rows and bounds of the conversion are the core's to check; here the sides and the wire.
TEST_F(ServerTest, MatrixConvertsByDifferenceAndTiesGiveSide2TheWinnersPoints) {
    auto c = Anmelden("M");
    const struct {
        int x, y;
        std::string antwort;
    } faelle[] = {
        {600, 100, Ints({1, 16, 0})}, // 500: last row reached
        {100, 600, Ints({1, 0, 16})}, // side 2 won
        {42, 42, Ints({1, 6, 10})},   // tie: row for 0, winner's points to side 2
    };
    for (const auto& f : faelle) {
        c->SendeZeile("Matrix");
        c->SendeInts({f.x, f.y});
        EXPECT_EQ(c->Lies(Bestaetigt.size() + f.antwort.size()), Bestaetigt + f.antwort)
            << f.x << ":" << f.y;
    }
    AmHauptthread([] { SiegpunktmatrixBenutzen = false; });
    c->SendeZeile("Matrix");
    c->SendeInts({600, 100});
    EXPECT_EQ(c->Lies(Bestaetigt.size() + 4), Bestaetigt + Ints({0}));
}

TEST_F(ServerTest, LoginTakesTheFirstLineWhateverItHolds) {
    auto still = Verbinde(); // says nothing: stays "Logging In" until it leaves
    auto leer = Anmelden("");
    Abgleich(*leer);
    EXPECT_TRUE(log.WarteAuf("Client  has sent Matrix"));

    // A client named "Logging In" is still logging in: its next line names it again.
    auto zweimal = Verbinde();
    zweimal->SendeZeile("Logging In");
    zweimal->SendeZeile("Hole");
    ASSERT_TRUE(log.WarteAuf("Client Hole has logged in"));
    EXPECT_TRUE(log.WarteAuf("Client Logging In has logged in"));
    Abgleich(*zweimal);
    // The silent client's greeting leaves before it is listed, so the first two may swap.
    AmHauptthread([] {
        std::multiset<std::string> namen;
        for (const auto& c : Clientliste) {
            namen.insert(c->ClientName);
            if (c->ClientName == "Logging In") {
                EXPECT_TRUE(c->NeedsMatrix && c->NeedsOptions);
            }
        }
        EXPECT_EQ(namen, (std::multiset<std::string>{"Logging In", "", "Hole"}));
        ASSERT_EQ(Clientliste.size(), 3u);
        EXPECT_EQ(Clientliste[2]->ClientName, "Hole");
    });
    still->Schliessen();
    EXPECT_TRUE(log.WarteAuf("Client Logging In has logged off"));
}

TEST_F(ServerTest, PendingBlocksReachEveryClientWithItsNextHoleGameOrNot) {
    auto a = Anmelden("A");
    auto b = Anmelden("B");
    for (auto* c : {a.get(), b.get()}) {
        c->SendeZeile("Hole");
        c->SendeInts({6}); // no game
        const std::string erste = Bestaetigt + Ints({1}) + DreiZeilen + Ints({1, 1, 1, 0});
        EXPECT_EQ(c->Lies(erste.size()), erste);
    }
    a->Schliessen();
    ASSERT_TRUE(log.WarteAuf("Client A has logged off"));
    AmHauptthread([] {
        ASSERT_EQ(Clientliste.size(), 1u);
        EXPECT_EQ(Clientliste[0]->ClientName, "B");
        SetzeDreiZeilenMatrix();
        Siegpunktmatrix.pop_back();
        ClientsNeedMatrix();
    });
    b->SendeZeile("Hole");
    b->SendeInts({6});
    std::string erwartet =
        Bestaetigt + Ints({1, 1, 2, 0, 99, 10, 6, 100, 499, 13, 3}) + Ints({0, 0});
    EXPECT_EQ(b->Lies(erwartet.size()), erwartet);

    auto c = Anmelden("C"); // a new client starts with both blocks pending anyway
    AmHauptthread([] {
        SzenarioEingabe = false;
        ClientsNeedOptions();
    });
    b->SendeZeile("Hole");
    b->SendeInts({6});
    erwartet = Bestaetigt + Ints({0, 1, 1, 0, 0});
    EXPECT_EQ(b->Lies(erwartet.size()), erwartet);
    c->SendeZeile("Hole");
    c->SendeInts({6});
    erwartet = Bestaetigt + Ints({1, 1, 2, 0, 99, 10, 6, 100, 499, 13, 3}) + Ints({1, 1, 0, 0});
    EXPECT_EQ(c->Lies(erwartet.size()), erwartet);

    // A matrix not in use goes out as 1, 0, without a "fetched Matrix" line.
    AmHauptthread([] {
        SiegpunktmatrixBenutzen = false;
        ClientsNeedMatrix();
    });
    b->SendeZeile("Hole");
    b->SendeInts({-7});
    b->SendeZeile("Matrix"); // its reply shows that nothing more came
    b->SendeInts({0, 0});
    erwartet = Bestaetigt + Ints({1, 0, 0, 0}) + Bestaetigt + Ints({0});
    EXPECT_EQ(b->Lies(erwartet.size()), erwartet);
    const auto zeilen = log.Zeilen();
    EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), "Client B fetched Matrix"), 2);
}

TEST_F(ServerTest, AClientLeavingMidRequestStoresNothing) {
    auto c = Anmelden("Weg");
    c->SendeZeile("Sende");
    c->SendeInts({1, 0, 1, 2, 3, 4, 5, 6, 7}); // the tenth number never comes
    EXPECT_EQ(c->Lies(Bestaetigt.size()), Bestaetigt);
    c->Schliessen();
    ASSERT_TRUE(log.WarteAuf("Client Weg has logged off"));
    AmHauptthread([] {
        EXPECT_TRUE(Clientliste.empty());
        const TPaarung* p = FindePaarungVonSpieler(1);
        EXPECT_FALSE(p->Eingegeben);
        EXPECT_EQ(p->Ergebnis1.Siegpunkte, 1200);
        EXPECT_EQ(FindeSpieler(1)->GetSiegpunkte(2), 1200);
    });
    for (const auto& z : log.Zeilen())
        EXPECT_EQ(z.find("Client Weg has sent 1:"), std::string::npos) << z;
}

TEST_F(ServerTest, AFailedRequestClosesOnlyThatConnection) {
    auto gestoert = Anmelden("G");
    auto gut = Anmelden("OK");
    serialisierer.stoeren = true;
    gestoert->SendeZeile("Hole");
    gestoert->SendeInts({1});
    EXPECT_EQ(gestoert->Lies(Bestaetigt.size()), Bestaetigt);
    EXPECT_TRUE(gestoert->WarteAufEnde());
    EXPECT_TRUE(log.WarteAuf("Client G has logged off"));

    Abgleich(*gut);
    AmHauptthread([] {
        ASSERT_EQ(Clientliste.size(), 1u);
        EXPECT_EQ(Clientliste[0]->ClientName, "OK");
    });
}

TEST_F(ServerTest, StopLogsOffEveryClientAndTheSamePortServesAgain) {
    const int port = server.Port();
    auto a = Anmelden("A");
    auto b = Verbinde();
    b->SendeZeile("B");
    b->SendeZeile("Sende");
    b->SendeInts({1, 2}); // waiting in the middle of a request
    ASSERT_TRUE(log.WarteAuf("Client B has sent Sende"));
    server.Stoppen();
    EXPECT_FALSE(server.Aktiv());
    EXPECT_TRUE(log.WarteAuf("Client A has logged off", 1, std::chrono::milliseconds(0)));
    EXPECT_TRUE(log.WarteAuf("Client B has logged off", 1, std::chrono::milliseconds(0)));
    AmHauptthread([] { EXPECT_TRUE(Clientliste.empty()); });
    EXPECT_TRUE(a->WarteAufEnde());
    EXPECT_TRUE(b->WarteAufEnde());

    server.Starten(port);
    EXPECT_EQ(server.Port(), port);
    Abgleich(*Anmelden("C"));
}

} // namespace
