// Sends arbitrary bytes to a running result server as one client's whole conversation, then
// closes. The server must answer, store or drop whatever comes and end the connection cleanly;
// a crash, a sanitizer report or a connection that never ends is a finding.
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "server/ErgebnisServer.h"

#include <asio/connect.hpp>
#include <asio/read.hpp>
#include <asio/write.hpp>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace {

// A small round: players 1 to 6, games 1-2, 3-4, 5-6; the default matrix in use.
TErgebnisServer& Server() {
    static MutexSerialisierer serialisierer;
    static TErgebnisServer* server = [] {
        for (int s = 1; s <= 6; ++s) {
            Spielerliste.push_back(std::make_unique<TSpieler>());
            Spielerliste.back()->Startnummer = s;
            Spielerliste.back()->Name = "Spieler";
            Spielerliste.back()->SetGegner(1, s % 2 ? s + 1 : s - 1);
        }
        AktuellerSpieltag = 1;
        ErstellePaarungsliste();
        InitSiegpunktmatrix();
        SiegpunktmatrixBenutzen = true;
        auto* s = new TErgebnisServer(serialisierer, [](std::string) {});
        s->Starten(0);
        return s;
    }();
    return *server;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int port = Server().Port();
    asio::io_context io;
    asio::ip::tcp::socket socket(io);
    socket.connect({asio::ip::make_address_v4("127.0.0.1"), static_cast<unsigned short>(port)});
    asio::write(socket, asio::buffer(data, size));
    socket.shutdown(asio::socket_base::shutdown_send);
    // The server reads to the end of what was sent, then closes: read until it does, within
    // a bound so that a connection left hanging ends the run as a finding.
    asio::error_code ec;
    char block[4096];
    std::function<void()> lesen = [&] {
        socket.async_read_some(asio::buffer(block), [&](asio::error_code e, size_t) {
            ec = e;
            if (!e)
                lesen();
        });
    };
    lesen();
    io.run_for(std::chrono::seconds(10));
    if (ec != asio::error::eof && ec != asio::error::connection_reset)
        std::abort();
    return 0;
}
