#pragma once
// A running result server on an ephemeral port over the small tournament of Serverturnier.h,
// serialised with a mutex, its log recorded.
#include "CoreState.h"
#include "Mitschrift.h"
#include "Serverturnier.h"
#include "TestClient.h"
#include "server/ErgebnisServer.h"
#include "server/Protokoll.h"

#include <atomic>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

inline const std::string Bestaetigt = "Accepting Request\r\n";
// The matrix block of SetzeDreiZeilenMatrix.
inline const std::string DreiZeilen =
    Ints({1, 3, 0, 99, 10, 6, 100, 499, 13, 3, 500, 100000, 16, 0});

// The reply to "Sende" then "Hole": the matrix rows' values when the block came, and the game's
// ten numbers (none without a game).
struct HoleAntwort {
    std::vector<int> matrix, werte;
};

// Sends the result (its first number names the game) and fetches that game back.
inline HoleAntwort SendeUndHole(TestClient& c, std::initializer_list<int> ergebnis) {
    c.SendeZeile("Sende");
    c.SendeInts(ergebnis);
    c.SendeZeile("Hole");
    c.SendeInts({*ergebnis.begin()});
    if (c.LiesZeile() != "Accepting Request" || c.LiesZeile() != "Accepting Request")
        throw std::runtime_error("no confirmation");
    HoleAntwort a;
    if (c.LiesInt() == 1 && c.LiesInt() == 1)
        for (int n = 4 * c.LiesInt(); n > 0; --n)
            a.matrix.push_back(c.LiesInt());
    if (c.LiesInt() == 1) {
        c.LiesInt();
        c.LiesInt();
    }
    if (c.LiesInt() == 1) {
        c.LiesZeile();
        c.LiesZeile();
        for (int i = 0; i < 10; ++i)
            a.werte.push_back(c.LiesInt());
    }
    return a;
}

// Fails the next piece of serialised work once when told to: a request that breaks for a
// reason other than the connection.
class StoerbarerSerialisierer : public MutexSerialisierer {
public:
    void Ausfuehren(const std::function<void()>& work) override {
        if (stoeren.exchange(false))
            throw std::runtime_error("Störung");
        MutexSerialisierer::Ausfuehren(work);
    }
    std::atomic<bool> stoeren{false};
};

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        BaueServerturnier();
        SetzeDreiZeilenMatrix();
        server.Starten(0);
    }
    void TearDown() override {
        server.Stoppen();
        ResetCoreState();
    }

    std::unique_ptr<TestClient> Verbinde() {
        auto c = std::make_unique<TestClient>(server.Port());
        EXPECT_EQ(c->Lies(27), "Connection Established...\r\n");
        return c;
    }
    std::unique_ptr<TestClient> Anmelden(const std::string& name) {
        auto c = Verbinde();
        c->SendeZeile(name);
        EXPECT_TRUE(log.WarteAuf(LogAngemeldet(name)));
        return c;
    }
    // A "Matrix" request whose reply shows that every earlier request of c was handled.
    static void Abgleich(TestClient& c) {
        c.SendeZeile("Matrix");
        c.SendeInts({0, 0});
        EXPECT_EQ(c.Lies(Bestaetigt.size() + 12), Bestaetigt + Ints({1, 6, 10}));
    }
    // Runs spiel(k) for the clients k = 1..n, each on its own thread, and organisator() again and
    // again until every client is through; returns each client's fault ("" for none).
    static std::vector<std::string> MitClients(int n, const std::function<std::string(int)>& spiel,
                                               const std::function<void()>& organisator) {
        std::mutex m;
        std::condition_variable cv;
        int fertig = 0;
        std::vector<std::string> fehler(static_cast<size_t>(n));
        std::vector<std::thread> threads;
        for (int k = 1; k <= n; ++k)
            threads.emplace_back([&, k] {
                try {
                    fehler[static_cast<size_t>(k - 1)] = spiel(k);
                } catch (const std::exception& e) {
                    fehler[static_cast<size_t>(k - 1)] = e.what();
                }
                std::lock_guard lock(m);
                ++fertig;
                cv.notify_all();
            });
        for (;;) {
            {
                std::unique_lock lock(m);
                if (cv.wait_for(lock, std::chrono::microseconds(200), [&] { return fertig == n; }))
                    break;
            }
            organisator();
        }
        for (auto& t : threads)
            t.join();
        return fehler;
    }
    // Work of the organiser on the main thread.
    void AmHauptthread(const std::function<void()>& work) { serialisierer.Ausfuehren(work); }

    StoerbarerSerialisierer serialisierer;
    Mitschrift log;
    TErgebnisServer server{serialisierer, [this](std::string z) { log.Add(std::move(z)); }};
};
