#include "core/PaarungUebernehmen.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Tische.h"

void UebernehmePaarung() {
    const int r = AktuellerSpieltag;
    if (r < 1)
        return; // no round to commit into
    const int anzahl = static_cast<int>(Spielerliste.size());
    for (const auto& s : Spielerliste) {
        // A partner index that names no player is taken as no partner: a bye, not a crash.
        const int p = s->Partner;
        if (s->Geloescht || p < 0 || p >= anzahl) {
            s->SetGegner(r, s->Startnummer);
            s->SetGegnerArmee(r, s->Armee);
        } else {
            const TSpieler& partner = *Spielerliste[static_cast<size_t>(p)];
            s->SetGegner(r, partner.Startnummer);
            s->SetGegnerArmee(r, partner.Armee);
        }
    }
    ErstellePaarungsliste();
    SortierePaarungenNachPlatz();
    VergebeSpitzentische(Paarungsliste);
    VerteileTische(Paarungsliste);
    PruefeTischverteilung(Paarungsliste, 7);
    UebernehmeTische();
}

void PaarungsStatistik(int& a, int& b, int& c, int& d, int& e) {
    a = b = c = d = e = -1;
    int besterAbstand = 0;
    int besterAbstandOben = 0;
    const int r = AktuellerSpieltag;
    for (const auto& p : Spielerliste) {
        if (p->Geloescht || p->GetGegner(r) == p->Startnummer)
            continue;
        const TSpieler* o = FindeSpieler(p->GetGegner(r));
        if (!o)
            continue;
        if (p->Platz == 1)
            a = o->Platz;
        const int abstand = o->Platz - p->Platz;
        if (abstand > besterAbstand) {
            besterAbstand = abstand;
            d = p->Platz;
            e = o->Platz;
        }
        if (p->Platz < 11 && abstand > besterAbstandOben) {
            besterAbstandOben = abstand;
            b = p->Platz;
            c = o->Platz;
        }
    }
}
