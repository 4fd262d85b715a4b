#pragma once
// The clients connected to the result server. Process-wide: the options dialog and the matrix
// editor mark the clients through ClientsNeedMatrix and ClientsNeedOptions whether or not the
// server runs (the list is empty then).
//
// Touch the list and the clients' flags only on the main thread, or in work handed to the
// server's serialiser (server/Serialisierer.h).
#include "core/Data.h"

#include <string>

class TcpVerbindung;

class TSimpleClient {
public:
    std::string ClientName = "Logging In"; // until the client's first line, then that line
    TcpVerbindung* PeerThread = nullptr;   // the connection; stopping it ends its thread
    bool Busy = false;                     // a request is being served; its own thread only
    bool NeedsMatrix = true;               // the next "Hole" reply carries the matrix block
    bool NeedsOptions = true;              // the next "Hole" reply carries the options block
};

// In the order of connection; a client is removed and freed when its connection closes.
extern TObjectList<TSimpleClient> Clientliste;

// Every connected client receives the matrix block with its next "Hole" reply.
void ClientsNeedMatrix();
// Every connected client receives the options block with its next "Hole" reply.
void ClientsNeedOptions();
