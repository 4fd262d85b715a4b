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
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

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
    // Work of the organiser on the main thread.
    void AmHauptthread(const std::function<void()>& work) { serialisierer.Ausfuehren(work); }

    StoerbarerSerialisierer serialisierer;
    Mitschrift log;
    TErgebnisServer server{serialisierer, [this](std::string z) { log.Add(std::move(z)); }};
};

inline const std::string Bestaetigt = "Accepting Request\r\n";
// The matrix block of SetzeDreiZeilenMatrix.
inline const std::string DreiZeilen =
    Ints({1, 3, 0, 99, 10, 6, 100, 499, 13, 3, 500, 100000, 16, 0});
