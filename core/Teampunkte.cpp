#include "core/Teampunkte.h"

#include <algorithm>
#include <cmath>

TObjectList<TTeampunkte> Ortswertung;
TObjectList<TTeampunkte> Teamwertung;
TObjectList<TTeampunkte> Armeewertung;

namespace {

// Two decimals, an exact half going to the even neighbour (the default rounding mode of
// nearbyint). The quotient is scaled by dividing by 0.01 so that values like 1.005 round as the
// stored double says, not as the decimal text suggests.
double ZweiStellen(int summe, int teiler) {
    if (teiler <= 0)
        return 0.0;
    const double quotient = static_cast<double>(summe) / teiler;
    return std::nearbyint(quotient / 0.01) * 0.01;
}

void Durchschnitte(TTeampunkte& t, int teiler) {
    t.Sonstiges = ZweiStellen(t.SummeSonstiges, teiler);
    t.Gesamt = ZweiStellen(t.SummeGesamt, teiler);
    t.Punkte = ZweiStellen(t.SummePunkte, teiler);
    t.Fairplay = ZweiStellen(t.SummeFairplay, teiler);
    t.Bemalung = ZweiStellen(t.SummeBemalung, teiler);
    t.Quiz = ZweiStellen(t.SummeQuiz, teiler);
    t.Armee = ZweiStellen(t.SummeArmee, teiler);
    t.Differenz = ZweiStellen(t.SummeDifferenz, teiler);
}

void Sortiere(TObjectList<TTeampunkte>& liste) {
    std::stable_sort(liste.begin(), liste.end(),
                     [](const auto& a, const auto& b) { return VergleicheTeampunkte(*a, *b) < 0; });
}

} // namespace

void TTeampunkte::BerechneDurchschnitt() {
    Durchschnitte(*this, Anzahl);
}

int VergleicheTeampunkte(const TTeampunkte& a, const TTeampunkte& b) {
    if (a.Gesamt != b.Gesamt)
        return a.Gesamt > b.Gesamt ? -1 : 1;
    if (a.Anzahl != b.Anzahl)
        return a.Anzahl > b.Anzahl ? -1 : 1;
    return 0;
}

void BerechneTeampunkte() {
    for (auto& t : Ortswertung)
        t->BerechneDurchschnitt();
    Sortiere(Ortswertung);

    for (auto& t : Teamwertung) {
        if (Teamturnier)
            Durchschnitte(*t, 1);
        else
            t->BerechneDurchschnitt();
    }
    Sortiere(Teamwertung);

    for (auto& t : Armeewertung)
        t->BerechneDurchschnitt();
    Sortiere(Armeewertung);
}
