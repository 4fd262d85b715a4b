#include "core/Verwaltungsdruck.h"

#include "core/Data.h"

#include <algorithm>

int VerwaltungSortierung = 0;

namespace {

bool Durchgelassen(bool alle, bool ja, bool nein, bool wert) {
    return alle || (wert ? ja : nein);
}

bool Durchgelassen(const TVerwaltungFilter& f, const TSpieler& s) {
    // A status outside 0..3 (from a damaged file) has no box of its own.
    const int k = s.ArmeelisteStatus;
    const bool armeeliste = f.ArmeelisteAlle || (k >= 0 && k < 4 && f.ArmeelisteStati[k]);
    return armeeliste && Durchgelassen(f.BezahltAlle, f.BezahltJa, f.BezahltNein, s.Bezahlt) &&
           Durchgelassen(f.GemeldetAlle, f.GemeldetJa, f.GemeldetNein, s.Gemeldet);
}

int Aufsteigend(int x, int y) {
    return x < y ? -1 : (x > y ? 1 : 0);
}

int Schluessel(const TVerwaltungDruck& a, const TVerwaltungDruck& b) {
    switch (VerwaltungSortierung) {
    case 1:
        return Aufsteigend(b.Armeeliste, a.Armeeliste);
    case 2:
        return Aufsteigend(b.Bezahlt, a.Bezahlt);
    case 3:
        return Aufsteigend(b.Gemeldet, a.Gemeldet);
    case 4:
        return Aufsteigend(a.Startnummer, b.Startnummer);
    default:
        return 0;
    }
}

} // namespace

int CompareVerwaltungDruck(const TVerwaltungDruck& a, const TVerwaltungDruck& b) {
    if (const int k = Schluessel(a, b))
        return k;
    const std::string x = a.Name.str(), y = b.Name.str();
    const auto byte = [](char c) { return static_cast<unsigned char>(c); };
    const auto [i, j] = std::mismatch(x.begin(), x.end(), y.begin(), y.end());
    if (i == x.end())
        return j == y.end() ? 0 : -1;
    if (j == y.end())
        return 1;
    return byte(*i) < byte(*j) ? -1 : 1;
}

std::vector<TVerwaltungDruck> VerwaltungDruckliste(const TVerwaltungFilter& filter) {
    std::vector<TVerwaltungDruck> zeilen;
    for (const auto& s : Spielerliste) {
        if (!Durchgelassen(filter, *s))
            continue;
        TVerwaltungDruck d;
        d.Name = s->GetName();
        d.Armeeliste = s->ArmeelisteStatus;
        d.Bezahlt = s->Bezahlt;
        d.Gemeldet = s->Gemeldet;
        d.Startnummer = s->Startnummer;
        zeilen.push_back(d);
    }
    std::sort(zeilen.begin(), zeilen.end(),
              [](const auto& a, const auto& b) { return CompareVerwaltungDruck(a, b) < 0; });
    return zeilen;
}
