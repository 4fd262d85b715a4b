// Pairing runs of the current round while remote clients fetch and send that round's results:
// the search runs beside the connections, unserialised as in the program, and (under
// ThreadSanitizer) no access may race; a failed run leaves the players as they were, apart from
// the results the clients sent.
#include "RecordingMessages.h"
#include "ServerFixture.h"
#include "core/Data.h"
#include "core/Paarungslauf.h"

#include <atomic>
#include <thread>

namespace {

constexpr int Anfragen = 100; // "Sende" and "Hole" each, per client

// Sends results for the game of a and b, naming either side, and fetches each back at once.
std::string SpieleWaehrendDerSuche(int port, int a, int b) {
    TestClient c(port, std::chrono::seconds(60));
    c.LiesZeile();
    c.SendeZeile("Tisch " + std::to_string(a));
    for (int j = 0; j < Anfragen; ++j) {
        const int n = j % 2 ? b : a;
        c.SendeZeile("Sende");
        c.SendeInts({n, 0, 1000 + j, j, 20, 0, 0, 0, 0, 0});
        c.SendeZeile("Hole");
        c.SendeInts({n});
        c.LiesZeile();
        c.LiesZeile();
        if (c.LiesInt() == 1) // the matrix and the options come with the first reply
            c.Lies(DreiZeilen.size());
        if (c.LiesInt() == 1)
            c.Lies(8);
        if (c.LiesInt() != 1)
            return "game not found";
        c.LiesZeile();
        c.LiesZeile();
        std::vector<int> werte;
        for (int i = 0; i < 10; ++i)
            werte.push_back(c.LiesInt());
        if (std::vector<int>(werte.begin() + 2, werte.begin() + 6) !=
            std::vector<int>{1000 + j, 20, j, 0})
            return "request " + std::to_string(j) + " came back wrong";
    }
    return "";
}

TEST_F(ServerTest, ClientsFetchAndSendTheRoundWhileItsPairingSearchRuns) {
    RecordingMessages meldungen;
    std::vector<int> runden;
    AmHauptthread([&] {
        for (const auto& s : Spielerliste)
            s->Armee = "Orks"; // same army everywhere: no pairing within tolerance 0
        GleicheArmeenBeachten = true;
        Toleranzen[0] = 0;
        // A pairing whose player does not hold the round yet (as after loading another file):
        // storing its result grows the player's rounds.
        FindeSpieler(4)->Runden.pop_back();
        for (int nummer = 1; nummer <= 6; ++nummer)
            runden.push_back(FindeSpieler(nummer)->GetRundenAnzahl());
    });

    std::atomic<int> fertig{0};
    std::string fehler[2];
    std::vector<std::thread> clients;
    for (int k = 0; k < 2; ++k)
        clients.emplace_back([&, k] {
            try {
                fehler[k] = k == 0 ? SpieleWaehrendDerSuche(server.Port(), 2, 3)
                                   : SpieleWaehrendDerSuche(server.Port(), 1, 4);
            } catch (const std::exception& e) {
                fehler[k] = e.what();
            }
            ++fertig;
        });

    int laeufe = 0;
    do {
        meldungen.answers = {true}; // the round looks paired: go on
        TPaarungslauf lauf;
        AmHauptthread([&] { lauf = PaarungVorbereiten({}); });
        if (lauf.Ergebnis != TPaarungslauf::Stand::Suche) {
            ADD_FAILURE() << "no search to run";
            break;
        }
        const bool gefunden = PaarungSuchen(lauf); // beside the connections, unserialised
        AmHauptthread([&] { EXPECT_FALSE(PaarungAbschliessen(lauf, gefunden, [] {})); });
        ++laeufe;
    } while (fertig < 2);
    for (auto& t : clients)
        t.join();

    EXPECT_EQ(fehler[0], "");
    EXPECT_EQ(fehler[1], "");
    EXPECT_GT(laeufe, 0);
    EXPECT_EQ(meldungen.unansweredQuestions, 0);
    AmHauptthread([&] {
        std::vector<int> danach;
        for (int nummer = 1; nummer <= 6; ++nummer)
            danach.push_back(FindeSpieler(nummer)->GetRundenAnzahl());
        runden[3] = 2; // player 4 got the round with its result
        EXPECT_EQ(danach, runden);
        EXPECT_EQ(FindeSpieler(1)->GetSiegpunkte(2), 1000 + Anfragen - 1);
        EXPECT_EQ(FindeSpieler(3)->GetSiegpunkte(2), Anfragen - 1);
    });
}

} // namespace
