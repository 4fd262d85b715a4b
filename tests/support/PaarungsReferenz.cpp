#include "PaarungsReferenz.h"

#include "core/Data.h"
#include "core/PaarungsEngine.h"

namespace {

struct Abbruch {};

TSpieler& Spieler(int i) {
    return *Spielerliste[static_cast<size_t>(i)];
}

bool Rekursiv(int i, const std::function<bool()>& stop) {
    const int n = static_cast<int>(Spielerliste.size());
    for (int j = i + 1; j < n; ++j) {
        if (Spieler(j).Gepaart)
            continue;
        if (GruppenBeachten && Spieler(j).Gruppe != Spieler(i).Gruppe)
            continue;
        if (stop && stop())
            throw Abbruch{};
        PruefePaarung(i, j);
        bool passt = true;
        for (int k = 0; k < 5; ++k)
            passt = passt && Verstoesse[k] <= Toleranzen[k];
        if (!passt) {
            for (int k = 0; k < 5; ++k)
                Verstoesse[k] -= PaarVerstoesse[k];
            continue;
        }
        int kopie[5];
        for (int k = 0; k < 5; ++k)
            kopie[k] = PaarVerstoesse[k];
        Spieler(i).Partner = j;
        Spieler(j).Partner = i;
        Spieler(i).Gepaart = true;
        Spieler(j).Gepaart = true;
        int naechster = 0;
        while (naechster < n && Spieler(naechster).Gepaart)
            ++naechster;
        if (naechster == n || Rekursiv(naechster, stop))
            return true;
        for (int k = 0; k < 5; ++k)
            Verstoesse[k] -= kopie[k];
        Spieler(i).Partner = -1;
        Spieler(j).Partner = -1;
        Spieler(i).Gepaart = false;
        Spieler(j).Gepaart = false;
    }
    return false;
}

} // namespace

TReferenzErgebnis ReferenzPaareRekursiv(int i, const std::function<bool()>& stop) {
    try {
        return Rekursiv(i, stop) ? TReferenzErgebnis::Gefunden : TReferenzErgebnis::Unmoeglich;
    } catch (const Abbruch&) {
        return TReferenzErgebnis::Abgebrochen;
    }
}
