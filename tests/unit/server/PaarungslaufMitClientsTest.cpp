// Pairing runs of the current round while remote clients fetch and send that round's results:
// the search runs beside the connections, unserialised as in the program, and (under
// ThreadSanitizer) no access may race; a failed run leaves the players as they were, apart from
// the results the clients sent.
#include "RecordingMessages.h"
#include "ServerFixture.h"
#include "core/Data.h"
#include "core/Paarungslauf.h"

namespace {

constexpr int Anfragen = 100; // "Sende" and "Hole" each, per client

// Sends results for the game of a and b, naming either side, and fetches each back at once.
std::string SpieleWaehrendDerSuche(int port, int a, int b) {
    TestClient c(port, std::chrono::seconds(60));
    c.LiesZeile();
    c.SendeZeile("Tisch " + std::to_string(a));
    for (int j = 0; j < Anfragen; ++j) {
        const auto w = SendeUndHole(c, {j % 2 ? b : a, 0, 1000 + j, j, 20, 0, 0, 0, 0, 0}).werte;
        if (w.size() != 10 ||
            std::vector<int>(w.begin() + 2, w.begin() + 6) != std::vector<int>{1000 + j, 20, j, 0})
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

    int laeufe = 0;
    bool ohneSuche = false;
    const auto fehler = MitClients(
        2, [this](int k) { return SpieleWaehrendDerSuche(server.Port(), 3 - k, 2 + k); },
        [&] {
            meldungen.answers = {true}; // the round looks paired: go on
            TPaarungslauf lauf;
            AmHauptthread([&] { lauf = PaarungVorbereiten({}); });
            if (lauf.Ergebnis != TPaarungslauf::Stand::Suche) {
                ohneSuche = true;
                return;
            }
            const bool gefunden = PaarungSuchen(lauf); // beside the connections, unserialised
            AmHauptthread([&] { EXPECT_FALSE(PaarungAbschliessen(lauf, gefunden, [] {})); });
            ++laeufe;
        });
    EXPECT_EQ(fehler, std::vector<std::string>(2));
    EXPECT_FALSE(ohneSuche);
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
