// Many clients at once while the organiser rebuilds the pairings, replaces the matrix and
// reorders the players: no result may be lost, no reply may mix two states, and (under
// ThreadSanitizer) no access may race.
#include "ServerFixture.h"
#include "Spielerbau.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"

#include <algorithm>
#include <condition_variable>
#include <thread>

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
        const int n = j % 2 ? 2 * k : 2 * k - 1;
        const int sieg1 = k * 1000 + j;
        c.SendeZeile("Sende");
        c.SendeInts({n, j, sieg1, j, 20, 0, 3, 4, 5, 6});
        c.SendeZeile("Hole");
        c.SendeInts({n});
        if (c.LiesZeile() != "Accepting Request" || c.LiesZeile() != "Accepting Request")
            return "keine Bestätigung";
        if (c.LiesInt() == 1 && c.LiesInt() == 1) {
            const int zeilen = c.LiesInt();
            int version = -1;
            for (int z = 0; z < 4 * zeilen; ++z) {
                const int wert = c.LiesInt();
                if (version == -1)
                    version = wert;
                if (wert != version)
                    return "gemischte Matrix";
            }
            if (zeilen != 1 + version % 3)
                return "Matrix mit falscher Zeilenzahl";
        }
        if (c.LiesInt() == 1) {
            c.LiesInt();
            c.LiesInt();
        }
        if (c.LiesInt() != 1)
            return "Spiel " + std::to_string(k) + " nicht gefunden";
        c.LiesZeile();
        c.LiesZeile();
        std::vector<int> werte;
        for (int i = 0; i < 10; ++i)
            werte.push_back(c.LiesInt());
        if (werte != std::vector<int>{2 * k - 1, 2 * k, sieg1, 20, j, 0, 3, 4, 5, 6})
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

    std::mutex m;
    std::condition_variable cv;
    int fertig = 0;
    std::vector<std::string> fehler(Clients + 1);
    std::vector<std::thread> threads;
    for (int k = 1; k <= Clients; ++k)
        threads.emplace_back([&, k] {
            try {
                fehler[k] = Spiele(server.Port(), k);
            } catch (const std::exception& e) {
                fehler[k] = e.what();
            }
            std::lock_guard lock(m);
            ++fertig;
            cv.notify_all();
        });

    // The organiser keeps changing what the clients read until every client is through.
    int version = 0;
    for (;;) {
        {
            std::unique_lock lock(m);
            if (cv.wait_for(lock, std::chrono::microseconds(200),
                            [&] { return fertig == Clients; }))
                break;
        }
        ++version;
        AmHauptthread([] { ErstellePaarungsliste(); });
        AmHauptthread([&] {
            SetzeMatrixVersion(version);
            ClientsNeedMatrix();
            if (version % 7 == 0)
                ClientsNeedOptions();
        });
        AmHauptthread([] { std::reverse(Spielerliste.begin(), Spielerliste.end()); });
    }
    for (auto& t : threads)
        t.join();

    for (int k = 1; k <= Clients; ++k)
        EXPECT_EQ(fehler[k], "") << "Client " << k;
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
