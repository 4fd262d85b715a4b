#include "server/ErgebnisServer.h"

#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "server/Protokoll.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// What a reply needs of the shared state, taken in one piece of serialised work so that the
// socket writes afterwards need no lock.
struct Matrixblock {
    bool benutzt = false;
    std::vector<TSiegIntervall> zeilen;
};

struct Spielstand {
    std::string name1, name2;
    int werte[10] = {};
};

Matrixblock LeseMatrixblock() {
    Matrixblock block;
    block.benutzt = SiegpunktmatrixBenutzen;
    if (block.benutzt)
        for (const auto& zeile : Siegpunktmatrix)
            block.zeilen.push_back(*zeile);
    return block;
}

void ClientHoltMatrix(TcpVerbindung& v, const Matrixblock& block) {
    v.SchreibeInt(block.benutzt ? 1 : 0);
    if (!block.benutzt)
        return;
    v.SchreibeInt(static_cast<int>(block.zeilen.size()));
    for (const auto& z : block.zeilen) {
        v.SchreibeInt(z.Von);
        v.SchreibeInt(z.Bis);
        v.SchreibeInt(z.Sieger);
        v.SchreibeInt(z.Verlierer);
    }
}

void ClientHoltOptions(TcpVerbindung& v, bool fairplay, bool szenario) {
    v.SchreibeInt(fairplay ? 1 : 0);
    v.SchreibeInt(szenario ? 1 : 0);
}

} // namespace

void SpeichereGesendetesErgebnis(const std::array<int, 10>& w) {
    TPaarung* p = FindePaarungVonSpieler(w[0]);
    if (!p)
        return;
    p->Ergebnis1.Siegpunkte = w[2];
    p->Ergebnis2.Siegpunkte = w[3];
    p->Ergebnis1.Punkte = w[4];
    p->Ergebnis2.Punkte = w[5];
    if (FairplayProSpiel) {
        p->Ergebnis1.Fairplay = w[6];
        p->Ergebnis2.Fairplay = w[7];
    }
    if (SzenarioEingabe) {
        p->Ergebnis1.Szenariopunkte = w[8];
        p->Ergebnis2.Szenariopunkte = w[9];
    }
    p->Eingegeben = true;
    p->VomClient = true;
    p->SchreibeErgebnis();
}

TErgebnisServer::TErgebnisServer(Serialisierer& serialisierer, Logfunktion log)
    : serialisierer_(serialisierer), log_(std::move(log)),
      tcp_(TcpEreignisse{[this](TcpVerbindung& v) { MyServerConnect(v); },
                         [this](TcpVerbindung& v) { MyServerExecute(v); },
                         [this](TcpVerbindung& v) { MyServerDisconnect(v); }}) {}

TErgebnisServer::~TErgebnisServer() {
    Stoppen();
}

void TErgebnisServer::Starten(int port) {
    Stoppen();
    StopClientThreads();
    tcp_.Starten(port);
}

void TErgebnisServer::Stoppen() {
    // The connection threads still hand over their last work (the log-off) while we wait.
    serialisierer_.WaehrendHauptthreadWartet([this] { tcp_.Stoppen(); });
}

void TErgebnisServer::StopClientThreads() {
    serialisierer_.Ausfuehren([] {
        for (auto& c : Clientliste)
            if (c->PeerThread)
                c->PeerThread->Abbrechen();
    });
}

void TErgebnisServer::MyServerConnect(TcpVerbindung& v) {
    v.SchreibeZeile(Begruessung);
    v.Senden(); // a connection whose greeting fails gets no client
    auto client = std::make_unique<TSimpleClient>();
    client->PeerThread = &v;
    serialisierer_.Ausfuehren([&] {
        v.Daten = client.get();
        Clientliste.push_back(std::move(client));
    });
}

void TErgebnisServer::MyServerExecute(TcpVerbindung& v) {
    auto* client = static_cast<TSimpleClient*>(v.Daten);
    // A request that failed leaves Busy set; such a connection is closed, not served again.
    if (client == nullptr || client->Busy)
        throw EVerbindungGetrennt("Verbindung ohne bedienbaren Client");
    std::string zeile = v.LeseZeile();
    if (client->ClientName == NochNichtAngemeldet) {
        serialisierer_.Ausfuehren([&] { client->ClientName = zeile; });
        log_(LogAngemeldet(zeile));
        return;
    }
    log_(LogGesendet(client->ClientName, zeile));
    const Anfrage anfrage = ErkenneAnfrage(zeile);
    if (anfrage == Anfrage::Keine)
        return;
    client->Busy = true;
    v.SchreibeZeile(Bestaetigung);
    switch (anfrage) {
    case Anfrage::Hole:
        ClientHoltSpiel(v, *client);
        break;
    case Anfrage::Sende:
        ClientSendetSpiel(v, *client);
        break;
    case Anfrage::Matrix:
        ClientBenutztMatrix(v);
        break;
    case Anfrage::Keine:
        break;
    }
    client->Busy = false;
}

void TErgebnisServer::MyServerDisconnect(TcpVerbindung& v) {
    auto* client = static_cast<TSimpleClient*>(v.Daten);
    if (client == nullptr)
        return;
    const std::string name = client->ClientName;
    serialisierer_.Ausfuehren([&] {
        auto it = std::find_if(Clientliste.begin(), Clientliste.end(),
                               [&](const auto& c) { return c.get() == client; });
        if (it != Clientliste.end())
            Clientliste.erase(it);
        v.Daten = nullptr;
    });
    // Logged once the client is gone, so whoever reads the line finds the list up to date.
    log_(LogAbgemeldet(name));
}

void TErgebnisServer::ClientHoltSpiel(TcpVerbindung& v, TSimpleClient& client) {
    const int n = v.LeseInt();
    log_(LogSpielerGeholt(client.ClientName, n));

    bool matrix = false, optionen = false, fairplay = false, szenario = false;
    Matrixblock block;
    bool gefunden = false;
    Spielstand spiel;
    serialisierer_.Ausfuehren([&] {
        matrix = client.NeedsMatrix;
        client.NeedsMatrix = false;
        if (matrix)
            block = LeseMatrixblock();
        optionen = client.NeedsOptions;
        client.NeedsOptions = false;
        fairplay = FairplayProSpiel;
        szenario = SzenarioEingabe;
        const TPaarung* p = FindePaarungVonSpieler(n);
        gefunden = p != nullptr;
        if (!p)
            return;
        spiel.name1 = p->Name1;
        spiel.name2 = p->Name2;
        const int werte[10] = {p->Nummer1,
                               p->Nummer2,
                               p->Ergebnis1.Siegpunkte,
                               p->Ergebnis1.Punkte,
                               p->Ergebnis2.Siegpunkte,
                               p->Ergebnis2.Punkte,
                               p->Ergebnis1.Fairplay,
                               p->Ergebnis2.Fairplay,
                               p->Ergebnis1.Szenariopunkte,
                               p->Ergebnis2.Szenariopunkte};
        std::copy(std::begin(werte), std::end(werte), spiel.werte);
    });

    v.SchreibeInt(matrix ? 1 : 0);
    if (matrix) {
        if (block.benutzt)
            log_(LogMatrixGeholt(client.ClientName));
        ClientHoltMatrix(v, block);
    }
    v.SchreibeInt(optionen ? 1 : 0);
    if (optionen)
        ClientHoltOptions(v, fairplay, szenario);
    v.SchreibeInt(gefunden ? 1 : 0);
    if (!gefunden)
        return;
    v.SchreibeZeile(spiel.name1);
    v.SchreibeZeile(spiel.name2);
    for (int wert : spiel.werte)
        v.SchreibeInt(wert);
}

void TErgebnisServer::ClientSendetSpiel(TcpVerbindung& v, TSimpleClient& client) {
    // Nothing is stored unless all ten numbers arrived: a broken connection throws first.
    std::array<int, 10> w;
    for (int& x : w)
        x = v.LeseInt();
    log_(LogErgebnis(client.ClientName, w[0], w[1], w[2], w[3]));
    serialisierer_.Ausfuehren([&] { SpeichereGesendetesErgebnis(w); });
}

void TErgebnisServer::ClientBenutztMatrix(TcpVerbindung& v) {
    const int x = v.LeseInt();
    const int y = v.LeseInt();
    bool benutzt = false;
    int punkte1 = 0, punkte2 = 0;
    serialisierer_.Ausfuehren([&] {
        benutzt = SiegpunktmatrixBenutzen;
        if (!benutzt)
            return;
        PunkteAusSiegpunkten(x, y, punkte1, punkte2);
    });
    v.SchreibeInt(benutzt ? 1 : 0);
    if (benutzt) {
        v.SchreibeInt(punkte1);
        v.SchreibeInt(punkte2);
    }
}
