#pragma once
// A listening TCP server with one thread per accepted connection. On its thread a connection
// runs Verbinden once, Ausfuehren again and again while it is open, then Trennen once: also when
// the peer leaves, when a step fails (any exception ends the connection) and when the server
// stops. Listens on one port on all local IPv4 addresses; switched by Starten and Stoppen.
#include "platform/Errors.h"
#include "platform/TcpVerbindung.h"

#include <asio/io_context.hpp>

#include <condition_variable>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Listening could not start (the port is in use, not allowed or out of range).
class ETcpFehler : public TuvonError {
public:
    using TuvonError::TuvonError;
};

struct TcpEreignisse {
    std::function<void(TcpVerbindung&)> Verbinden;
    std::function<void(TcpVerbindung&)> Ausfuehren;
    std::function<void(TcpVerbindung&)> Trennen;
};

class TcpServer {
public:
    explicit TcpServer(TcpEreignisse ereignisse);
    ~TcpServer();
    TcpServer(const TcpServer&) = delete;
    TcpServer& operator=(const TcpServer&) = delete;

    // Listens on the port (0: any free port). Raises ETcpFehler when it cannot; then the server
    // stays stopped. Only the thread that owns the server starts and stops it.
    void Starten(int port);
    // Closes the listening socket and every connection and returns when every connection's
    // Trennen step has run. The steps run on their own threads meanwhile, so they must not wait
    // for the caller.
    void Stoppen();
    bool Aktiv() const { return aktiv_; }
    // The port listened on while active.
    int Port() const { return port_; }

private:
    struct Eintrag {
        std::unique_ptr<TcpVerbindung> verbindung;
        std::thread thread;
        bool beendet = false;
    };
    struct Lauscher;

    void Annehmen(asio::ip::tcp::socket socket);
    void Bedienen(Eintrag& eintrag);
    void BeendeteEinsammeln();

    TcpEreignisse ereignisse_;
    std::unique_ptr<asio::io_context> io_;
    bool aktiv_ = false;
    int port_ = 0;
    std::unique_ptr<Lauscher> lauscher_;

    std::mutex mutex_;
    std::condition_variable beendet_;
    std::list<Eintrag> eintraege_;
};

// The computer's host name as the TCP stack reports it.
std::string HostName();
