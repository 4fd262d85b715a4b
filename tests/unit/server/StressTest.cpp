// Many clients at once while the organiser rebuilds the pairings, replaces the matrix and
// reorders the players: no result may be lost, no reply may mix two states, and (under
// ThreadSanitizer) no access may race.
#include "ServerFixture.h"
#include "Spielerbau.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"

#include <algorithm>

namespace {

constexpr int Clients = 50;
constexpr int Runden = 150; // one "Sende" and one "Hole" each

// Matrix version v: 1 + v % 3 rows, every value v, so that a block mixing two versions shows.
void SetzeMatrixVersion(int v) {
    Siegpunktmatrix.clear();
    for (int i = 0; i <= v % 3; ++i) {
        auto zeile = std::make_unique<TSiegIntervall>();
        zeile->Von = zeile->Bis = zeile->Sieger = zeile->Verlierer = v;
        Siegpunktmatrix.push_back(std::move(zeile));
    }
}

// Client k plays game k (players 2k-1 and 2k), alternately naming either side. After each
// "Sende" its "Hole" must return exactly what it sent. Returns the first fault found, or "".
std::string Spiele(int port, int k) {
    TestClient c(port, std::chrono::seconds(60));
    if (c.LiesZeile() != "Connection Established...")
        return "keine Begrüßung";
    c.SendeZeile("Client " + std::to_string(k));
    for (int j = 0; j < Runden; ++j) {
        const int sieg1 = k * 1000 + j;
        const auto a = SendeUndHole(c, {j % 2 ? 2 * k : 2 * k - 1, j, sieg1, j, 20, 0, 3, 4, 5, 6});
        const auto& m = a.matrix;
        if (!m.empty() && (std::count(m.begin(), m.end(), m[0]) != std::ssize(m) ||
                           m.size() != 4u * (1 + m[0] % 3)))
            return "gemischte Matrix";
        if (a.werte != std::vector<int>{2 * k - 1, 2 * k, sieg1, 20, j, 0, 3, 4, 5, 6})
            return "Runde " + std::to_string(j) + ": verlorenes oder fremdes Ergebnis";
    }
    return "";
}

TEST_F(ServerTest, ManyClientsWhileTheOrganiserRebuildsEverything) {
    AmHauptthread([] {
        Spielerliste.clear();
        for (int s = 1; s <= 2 * Clients; ++s)
            SpielerAnlegen(s, "", "S" + std::to_string(s));
        for (int k = 1; k <= Clients; ++k)
            SpielPaaren(2, 2 * k - 1, 2 * k, k);
        ErstellePaarungsliste();
        SetzeMatrixVersion(0);
    });

    // The organiser keeps changing what the clients read until every client is through.
    int version = 0;
    const auto fehler = MitClients(
        Clients, [this](int k) { return Spiele(server.Port(), k); },
        [&] {
            ++version;
            AmHauptthread([] { ErstellePaarungsliste(); });
            AmHauptthread([&] {
                SetzeMatrixVersion(version);
                ClientsNeedMatrix();
                if (version % 7 == 0)
                    ClientsNeedOptions();
            });
            AmHauptthread([] { std::reverse(Spielerliste.begin(), Spielerliste.end()); });
        });
    EXPECT_EQ(fehler, std::vector<std::string>(Clients));
    EXPECT_GT(version, 0);
    AmHauptthread([] {
        for (int k = 1; k <= Clients; ++k) {
            EXPECT_EQ(FindeSpieler(2 * k - 1)->GetSiegpunkte(2), k * 1000 + Runden - 1);
            EXPECT_EQ(FindeSpieler(2 * k)->GetSiegpunkte(2), Runden - 1);
            EXPECT_EQ(FindeSpieler(2 * k)->GetPunkte(2), 0);
        }
    });
    size_t ergebnisZeilen = 0;
    for (const auto& z : log.Zeilen())
        ergebnisZeilen +=
            z.find(" has sent ") != std::string::npos && z.find('(') != std::string::npos;
    EXPECT_EQ(ergebnisZeilen, static_cast<size_t>(Clients * Runden));
}

} // namespace
