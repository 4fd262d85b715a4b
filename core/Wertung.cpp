#include "core/Wertung.h"

#include "core/Teampunkte.h"
#include "platform/Random.h"

#include <algorithm>
#include <climits>
#include <cmath>

int SortierSpalte = 2;

namespace {

using Vergleich = int (*)(const TSpieler&, const TSpieler&);

// Higher value first.
template <class T> int Absteigend(T a, T b) {
    return a > b ? -1 : (a < b ? 1 : 0);
}
template <class T> int Aufsteigend(T a, T b) {
    return -Absteigend(a, b);
}

void SortiereSpieler(Vergleich vergleich) {
    std::sort(Spielerliste.begin(), Spielerliste.end(),
              [vergleich](const auto& a, const auto& b) { return vergleich(*a, *b) < 0; });
}

// The aggregate of that value in the list, created and appended when there is none.
TTeampunkte& Aggregat(TObjectList<TTeampunkte>& liste, const std::string& wert) {
    const std::string name = TrimText(wert);
    for (auto& eintrag : liste)
        if (TrimText(eintrag->Name) == name)
            return *eintrag;
    liste.push_back(std::make_unique<TTeampunkte>());
    liste.back()->Name = name;
    return *liste.back();
}

// Totals are doubles of any size; outside the range of int they stop at its ends.
int GanzzahlBegrenzt(double x) {
    if (!(x > static_cast<double>(INT_MIN)))
        return INT_MIN;
    if (!(x < static_cast<double>(INT_MAX)))
        return INT_MAX;
    return static_cast<int>(x);
}

void WerteSpieler(TSpieler& s, int runden, bool quiz, bool fairplay, bool klassisch,
                  bool vergleichend, bool bemalung, bool sonstiges, bool szenario) {
    TTeampunkte* aggregate[] = {&Aggregat(Teamwertung, s.Team), &Aggregat(Ortswertung, s.Herkunft),
                                &Aggregat(Armeewertung, s.Armee)};
    for (TTeampunkte* a : aggregate)
        ++a->Anzahl;

    s.Gesamtpunkte = 0;
    s.Gesamtwertung = 0.0;
    s.Siegpunktdifferenz = 0;
    s.Punktesumme = 0;
    double w = 0.0;

    // The sums of the special scores are kept whether or not they count.
    if (quiz)
        w += s.Quiz * FaktorQuiz;
    if (klassisch)
        w += s.Armeebewertung * FaktorArmee;
    if (bemalung)
        w += s.Bemalung * FaktorBemalung;
    if (sonstiges)
        w += s.Sonstiges * FaktorSonstige;
    for (TTeampunkte* a : aggregate) {
        a->SummeQuiz += s.Quiz;
        a->SummeArmee += s.Armeebewertung;
        a->SummeBemalung += s.Bemalung;
        a->SummeSonstiges += s.Sonstiges;
    }

    s.FairplayGesamt = s.Fairplay;
    for (int k = 1; k <= runden; ++k) {
        s.FairplayGesamt += s.GetFairplay(k);
        int p = s.GetPunkte(k);
        if (szenario)
            p += s.GetSzenariopunkte(k);
        w += p * FaktorTurnier;
        s.Punktesumme += p;
        for (TTeampunkte* a : aggregate)
            a->SummePunkte += p;
        if (vergleichend) {
            w += s.GetArmeepunkte(k) * FaktorTurnier;
            for (TTeampunkte* a : aggregate)
                a->SummePunkte += s.GetArmeepunkte(k);
        }
        // A bye names the player himself and so cancels out; an unpaired round (-1) names nobody.
        s.Siegpunktdifferenz += s.GetSiegpunkte(k);
        if (const TSpieler* gegner = FindeSpieler(s.GetGegner(k)))
            s.Siegpunktdifferenz -= gegner->GetSiegpunkte(k);
    }

    if (fairplay)
        w += s.FairplayGesamt * FaktorFairplay;
    for (TTeampunkte* a : aggregate) {
        a->SummeFairplay += s.FairplayGesamt;
        a->SummeDifferenz += s.Siegpunktdifferenz;
    }

    s.Gesamtwertung = w;
    s.Gesamtpunkte = GanzzahlBegrenzt(RundeHalbGerade(w));
    for (TTeampunkte* a : aggregate) {
        a->SummeGesamt += s.Gesamtpunkte;
        a->Gesamt += s.Gesamtpunkte;
    }
}

} // namespace

double RundeHalbGerade(double x) {
    const double unten = std::floor(x);
    const double rest = x - unten;
    if (rest < 0.5)
        return unten;
    if (rest > 0.5)
        return unten + 1.0;
    return std::fmod(unten, 2.0) == 0.0 ? unten : unten + 1.0;
}

void BerechneWertung(int runden, bool quiz, bool fairplay, bool klassisch, bool vergleichend,
                     bool bemalung, bool sonstiges, bool szenario) {
    Ortswertung.clear();
    Teamwertung.clear();
    Armeewertung.clear();
    for (auto& s : Spielerliste)
        WerteSpieler(*s, runden, quiz, fairplay, klassisch, vergleichend, bemalung, sonstiges,
                     szenario);
}

void BerechneWertungMitOptionen(int runden) {
    BerechneWertung(runden, QuizWerten, FairplayWerten, ArmeebewertungKlassisch,
                    ArmeebewertungVergleichend, BemalungWerten, SonstigesWerten, SzenarioWerten);
}

void SetzeZufallswerte() {
    for (auto& s : Spielerliste) {
        const int v = Zufallszahl();
        s->Gesamtpunkte = v;
        s->Gesamtwertung = v;
    }
}

void SortiereTabelle() {
    SortiereSpieler(VergleicheWertung);
    for (size_t i = 0; i < Spielerliste.size(); ++i)
        Spielerliste[i]->Platz = static_cast<int>(i) + 1;
}

bool SortiereNachSpalte() {
    Vergleich vergleich = nullptr;
    switch (SortierSpalte) {
    case 3:
        vergleich = VergleicheName;
        break;
    case 4:
        vergleich = VergleichePunkte;
        break;
    case 5:
        vergleich = VergleicheSiegpunktdifferenz;
        break;
    default: {
        // The optional columns of the standings list take numbers from 6 only while shown.
        const std::pair<bool, Vergleich> optional[] = {
            {GruppenBeachten, VergleicheGruppe},
            {QuizWerten, VergleicheQuiz},
            {FairplayWerten, VergleicheFairplay},
            {ArmeebewertungKlassisch && !ArmeebewertungVergleichend, VergleicheArmee},
            {BemalungWerten, VergleicheBemalung},
            {SonstigesWerten, VergleicheSonstiges},
        };
        int spalte = 6;
        for (const auto& [gezeigt, v] : optional) {
            if (!gezeigt)
                continue;
            if (spalte == SortierSpalte)
                vergleich = v;
            ++spalte;
        }
    }
    }
    if (!vergleich) {
        SortiereSpieler(VergleicheWertung);
        return false;
    }
    SortiereSpieler(vergleich);
    return true;
}

void SortiereNachGruppe(const std::string& text) {
    SortiereSpieler(text == "Gruppe" ? VergleicheGruppe : VergleicheWertung);
}

int VergleicheWertung(const TSpieler& a, const TSpieler& b) {
    if (int c = Absteigend(a.Gesamtwertung, b.Gesamtwertung))
        return c;
    return Absteigend(a.Siegpunktdifferenz, b.Siegpunktdifferenz);
}

int VergleichePunkte(const TSpieler& a, const TSpieler& b) {
    if (int c = Absteigend(a.Punktesumme, b.Punktesumme))
        return c;
    return Absteigend(a.Siegpunktdifferenz, b.Siegpunktdifferenz);
}

namespace {
// The column sorts break ties by the rounded total.
int DannGesamtpunkte(int c, const TSpieler& a, const TSpieler& b) {
    return c ? c : Absteigend(a.Gesamtpunkte, b.Gesamtpunkte);
}
} // namespace

int VergleicheQuiz(const TSpieler& a, const TSpieler& b) {
    return DannGesamtpunkte(Absteigend(a.Quiz, b.Quiz), a, b);
}
int VergleicheGruppe(const TSpieler& a, const TSpieler& b) {
    return DannGesamtpunkte(Aufsteigend(a.Gruppe, b.Gruppe), a, b);
}
int VergleicheBemalung(const TSpieler& a, const TSpieler& b) {
    return DannGesamtpunkte(Absteigend(a.Bemalung, b.Bemalung), a, b);
}
int VergleicheArmee(const TSpieler& a, const TSpieler& b) {
    return DannGesamtpunkte(Absteigend(a.Armeebewertung, b.Armeebewertung), a, b);
}
int VergleicheFairplay(const TSpieler& a, const TSpieler& b) {
    return DannGesamtpunkte(Absteigend(a.FairplayGesamt, b.FairplayGesamt), a, b);
}
int VergleicheSonstiges(const TSpieler& a, const TSpieler& b) {
    return DannGesamtpunkte(Absteigend(a.Sonstiges, b.Sonstiges), a, b);
}
int VergleicheSiegpunktdifferenz(const TSpieler& a, const TSpieler& b) {
    return DannGesamtpunkte(Absteigend(a.Siegpunktdifferenz, b.Siegpunktdifferenz), a, b);
}

int VergleicheName(const TSpieler& a, const TSpieler& b) {
    // std::string compares by unsigned character codes, as the Windows-1252 bytes demand.
    const int c = a.GetName().compare(b.GetName());
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
