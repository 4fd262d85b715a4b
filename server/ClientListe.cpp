#include "server/ClientListe.h"

TObjectList<TSimpleClient> Clientliste;

void ClientsNeedMatrix() {
    for (auto& c : Clientliste)
        c->NeedsMatrix = true;
}

void ClientsNeedOptions() {
    for (auto& c : Clientliste)
        c->NeedsOptions = true;
}
