#pragma once
// The result server without its window: listens for remote clients, keeps Clientliste, serves
// the requests "Hole", "Sende" and "Matrix" on each connection's own thread and writes the log.
//
// Socket reads and writes stay on the connection's thread; every look at shared state (the
// client list and flags, Paarungsliste and its pairings, the players' results, the matrix and the
// options) is handed to the serialiser. Log lines go to the log function from connection threads
// and must be taken without waiting for the main thread.
#include "platform/TcpServer.h"
#include "server/ClientListe.h"
#include "server/Serialisierer.h"

#include <array>
#include <functional>
#include <string>

// Stores what a client sent with "Sende" (a start number of either side, the other side's,
// victory points, points, fair play and scenario points, side 1 first) into the game of that
// player, as entered and sent by a client; fair play and scenario points only where their
// options ask for them. A number without a game is ignored. Runs on the main thread.
void SpeichereGesendetesErgebnis(const std::array<int, 10>& w);

class TErgebnisServer {
public:
    using Logfunktion = std::function<void(std::string zeile)>;

    TErgebnisServer(Serialisierer& serialisierer, Logfunktion log);
    // Stops the server: no connection thread outlives it.
    ~TErgebnisServer();

    // Listens on the port on all local addresses; a binding of an earlier start does not remain.
    // Raises ETcpFehler when the port cannot be bound; the server then stays stopped.
    void Starten(int port);
    // Closes the listening socket and every connection; returns when each has logged off.
    void Stoppen();
    bool Aktiv() const { return tcp_.Aktiv(); }
    int Port() const { return tcp_.Port(); }

private:
    void MyServerConnect(TcpVerbindung& v);
    void MyServerExecute(TcpVerbindung& v);
    void MyServerDisconnect(TcpVerbindung& v);
    void ClientHoltSpiel(TcpVerbindung& v, TSimpleClient& client);
    void ClientSendetSpiel(TcpVerbindung& v, TSimpleClient& client);
    void ClientBenutztMatrix(TcpVerbindung& v);
    void StopClientThreads();

    Serialisierer& serialisierer_;
    Logfunktion log_;
    TcpServer tcp_;
};
