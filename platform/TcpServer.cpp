#include "platform/TcpServer.h"

#include <asio/io_context.hpp>
#include <asio/ip/host_name.hpp>
#include <asio/steady_timer.hpp>
#include <chrono>

// The listening socket and the thread that accepts on it. Accepted sockets belong to the
// server's io_context, which therefore outlives every connection.
struct TcpServer::Lauscher {
    explicit Lauscher(asio::io_context& io) : acceptor(io), pause(io) {}
    asio::ip::tcp::acceptor acceptor;
    asio::steady_timer pause;
    std::thread thread;
};

TcpServer::TcpServer(TcpEreignisse ereignisse)
    : ereignisse_(std::move(ereignisse)), io_(std::make_unique<asio::io_context>()) {}

TcpServer::~TcpServer() {
    Stoppen();
    BeendeteEinsammeln();
}

void TcpServer::Starten(int port) {
    Stoppen();
    if (port < 0 || port > 65535)
        throw ETcpFehler("Ungültiger Port " + std::to_string(port));
    auto lauscher = std::make_unique<Lauscher>(*io_);
    auto& acceptor = lauscher->acceptor;
    const asio::ip::tcp::endpoint endpunkt(asio::ip::tcp::v4(), static_cast<unsigned short>(port));
    asio::error_code ec;
    acceptor.open(endpunkt.protocol(), ec);
    // Connections of an earlier start may linger in TIME_WAIT; they must not block the port.
    if (!ec)
        acceptor.set_option(asio::socket_base::reuse_address(true), ec);
    if (!ec)
        acceptor.bind(endpunkt, ec);
    if (!ec)
        acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec)
        throw ETcpFehler("Port " + std::to_string(port) +
                         " kann nicht geöffnet werden: " + ec.message());
    port_ = acceptor.local_endpoint().port();

    auto* l = lauscher.get();
    // Accepts one connection, hands it over and waits for the next.
    struct Schleife {
        TcpServer* server;
        Lauscher* l;
        void operator()() const {
            l->acceptor.async_accept([s = *this](asio::error_code ec, asio::ip::tcp::socket sock) {
                if (ec == asio::error::operation_aborted)
                    return;
                if (!ec) {
                    s.server->Annehmen(std::move(sock));
                    s();
                    return;
                }
                // Out of descriptors or similar: try again a little later instead of spinning.
                s.l->pause.expires_after(std::chrono::milliseconds(50));
                s.l->pause.async_wait([s](asio::error_code e) {
                    if (!e)
                        s();
                });
            });
        }
    };
    Schleife{this, l}();
    io_->restart();
    lauscher->thread = std::thread([this] { io_->run(); });
    lauscher_ = std::move(lauscher);
    aktiv_ = true;
}

void TcpServer::Annehmen(asio::ip::tcp::socket socket) {
    BeendeteEinsammeln();
    std::lock_guard lock(mutex_);
    auto& eintrag = eintraege_.emplace_back();
    eintrag.verbindung = std::make_unique<TcpVerbindung>(std::move(socket));
    eintrag.thread = std::thread([this, &eintrag] { Bedienen(eintrag); });
}

void TcpServer::Bedienen(Eintrag& eintrag) {
    auto& v = *eintrag.verbindung;
    try {
        ereignisse_.Verbinden(v);
        for (;;)
            ereignisse_.Ausfuehren(v);
    } catch (...) {
        // Whatever ended the steps, broken or refused, ends this connection and no other.
    }
    try {
        v.Senden(); // what a failed step wrote still goes out, as if nothing were buffered
    } catch (...) {
    }
    v.Schliessen();
    try {
        ereignisse_.Trennen(v);
    } catch (...) {
    }
    std::lock_guard lock(mutex_);
    eintrag.beendet = true;
    beendet_.notify_all();
}

void TcpServer::BeendeteEinsammeln() {
    std::list<Eintrag> fertig;
    {
        std::lock_guard lock(mutex_);
        for (auto it = eintraege_.begin(); it != eintraege_.end();) {
            auto naechster = std::next(it);
            if (it->beendet)
                fertig.splice(fertig.end(), eintraege_, it);
            it = naechster;
        }
    }
    for (auto& e : fertig)
        e.thread.join();
}

void TcpServer::Stoppen() {
    if (!aktiv_)
        return;
    io_->stop();
    lauscher_->thread.join();
    lauscher_.reset();
    {
        std::unique_lock lock(mutex_);
        for (auto& e : eintraege_)
            e.verbindung->Abbrechen();
        beendet_.wait(lock, [this] {
            for (auto& e : eintraege_)
                if (!e.beendet)
                    return false;
            return true;
        });
    }
    BeendeteEinsammeln();
    aktiv_ = false;
    port_ = 0;
}

std::string HostName() {
    asio::error_code ec;
    auto name = asio::ip::host_name(ec);
    return ec ? std::string() : name;
}
