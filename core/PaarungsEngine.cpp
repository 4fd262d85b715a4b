#include "core/PaarungsEngine.h"

#include "core/Data.h"
#include "core/PaarungsRegeln.h"
#include "core/PaarungsSuche.h"
#include "core/Wertung.h"
#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "translation/Translate.h"

#include <algorithm>
#include <string>
#include <vector>

int Verstoesse[5] = {0, 0, 0, 0, 0};
int PaarVerstoesse[5] = {0, 0, 0, 0, 0};
std::int64_t PaarungsSuchgrenze = StandardPaarungsSuchgrenze;
bool PaarungsSucheAbgebrochen = false;
std::int64_t PaarungsSuchaufwand = 0;

namespace {

// Pairs the plain search may try before the search prepares its matrix and checks.
constexpr std::int64_t VorabSchritte = 4'000;

TSpieler& Spieler(int index) {
    return *Spielerliste[static_cast<size_t>(index)];
}

int Anzahl() {
    return static_cast<int>(Spielerliste.size());
}

std::string NeutralOder(const std::string& wert, const std::vector<std::string>& neutral) {
    for (const std::string& eintrag : neutral)
        if (SameTextIgnoringCase(eintrag, wert))
            return "Neutral";
    return wert;
}

int ErsterUngepaarter() {
    for (int i = 0; i < Anzahl(); ++i)
        if (!Spieler(i).Gepaart)
            return i;
    return -1;
}

bool UeberToleranz() {
    for (int k = 0; k < 5; ++k)
        if (Verstoesse[k] > Toleranzen[k])
            return true;
    return false;
}

void Verbinde(int i, int j) {
    Spieler(i).Partner = j;
    Spieler(j).Partner = i;
    Spieler(i).Gepaart = true;
    Spieler(j).Gepaart = true;
}

void Trenne(int i, int j) {
    Spieler(i).Partner = -1;
    Spieler(j).Partner = -1;
    Spieler(i).Gepaart = false;
    Spieler(j).Gepaart = false;
}

// The plain search straight on the players, for at most schritte pairs tried: 1 found (recorded
// as the plain search leaves it), 0 no pairing, -1 the steps did not suffice (everything as
// before). Most rounds are settled so before any preparation.
int SchlichtVorab(int i, std::int64_t& schritte) {
    for (int j = i + 1; j < Anzahl(); ++j) {
        if (Spieler(j).Gepaart || (GruppenBeachten && Spieler(j).Gruppe != Spieler(i).Gruppe))
            continue;
        if (--schritte < 0)
            return -1;
        PruefePaarung(i, j);
        int behalten[5];
        for (int k = 0; k < 5; ++k)
            behalten[k] = PaarVerstoesse[k];
        int ergebnis = 0;
        if (!UeberToleranz()) {
            Verbinde(i, j);
            const int naechster = ErsterUngepaarter();
            ergebnis = naechster < 0 ? 1 : SchlichtVorab(naechster, schritte);
            if (ergebnis == 1)
                return 1;
            Trenne(i, j);
        }
        for (int k = 0; k < 5; ++k)
            Verstoesse[k] -= behalten[k];
        if (ergebnis < 0)
            return -1;
    }
    return 0;
}

// Positions of the unmarked players in a rule matrix built over the given list indexes.
std::vector<int> FreiePositionen(const std::vector<int>& listenindizes) {
    std::vector<int> frei;
    for (size_t p = 0; p < listenindizes.size(); ++p)
        if (!Spieler(listenindizes[p]).Gepaart)
            frei.push_back(static_cast<int>(p));
    return frei;
}

} // namespace

paarung::TSuchergebnis paarung::PaareUngepaarte(TPaarungsSuche& suche, const TRegelmatrix& regeln,
                                                const std::vector<int>& listenindizes) {
    // With a counter already beyond its tolerance no pair is ever acceptable.
    if (UeberToleranz())
        return TSuchergebnis::Unmoeglich;
    // A rule whose flag is off never counts; its budget plays no part.
    const bool aktiv[5] = {GleicheArmeenBeachten, KeinePaarungenMehrfach, GleicheOrteBeachten,
                           NurNMalGegenArmee, GleicheTeamsBeachten};
    paarung::TBudget budget{};
    for (int k = 0; k < 5; ++k)
        budget[static_cast<size_t>(k)] = aktiv[k] ? Toleranzen[k] - Verstoesse[k] : 0;
    const auto ergebnis = suche.Suche(FreiePositionen(listenindizes), budget);
    if (ergebnis != paarung::TSuchergebnis::Gefunden)
        return ergebnis;
    for (const auto& [a, b] : suche.Paare()) {
        const std::uint8_t maske = regeln.Maske(a, b);
        for (int k = 0; k < 5; ++k) {
            PaarVerstoesse[k] = (maske >> k) & 1;
            Verstoesse[k] += PaarVerstoesse[k];
        }
        Verbinde(regeln.Listenindex(a), regeln.Listenindex(b));
    }
    return ergebnis;
}

void VorbereitenPaarung() {
    for (int& v : Verstoesse)
        v = 0;
    for (const auto& s : Spielerliste) {
        s->Partner = -1;
        s->Gepaart = s->Geloescht;
        s->PaarungsHerkunft = NeutralOder(s->Herkunft, OrteNeutral);
        s->PaarungsTeam = NeutralOder(s->Team, TeamsNeutral);
        s->PaarungsArmee = NeutralOder(s->Armee, ArmeenNeutral);
    }
    SortiereTabelle();
}

bool PruefeGruppen() {
    struct TGruppe {
        int Nummer;
        int Anzahl;
    };
    std::vector<TGruppe> gruppen;
    for (const auto& s : Spielerliste) {
        if (s->Geloescht)
            continue;
        auto it = gruppen.begin();
        while (it != gruppen.end() && it->Nummer != s->Gruppe)
            ++it;
        if (it == gruppen.end())
            gruppen.push_back({s->Gruppe, 1});
        else
            ++it->Anzahl;
    }
    std::string text = GetTranslation(7, 9) + "\r\n";
    bool ungerade = false;
    for (const TGruppe& g : gruppen) {
        if (g.Anzahl % 2 == 0)
            continue;
        ungerade = true;
        text += GetTranslation(7, 10) + std::to_string(g.Nummer) + GetTranslation(7, 11) + "\r\n";
    }
    if (!ungerade)
        return true;
    text += GetTranslation(7, 12) + "\r\n";
    Messages().ShowMessage(GetTranslation(7, 8), text);
    return false;
}

void PruefePaarung(int i, int j) {
    const std::uint8_t maske = paarung::Verstossmaske(i, j);
    for (int k = 0; k < 5; ++k) {
        PaarVerstoesse[k] = (maske >> k) & 1;
        Verstoesse[k] += PaarVerstoesse[k];
    }
}

bool PaareRekursiv(int i) {
    PaarungsSucheAbgebrochen = false;
    PaarungsSuchaufwand = 0;
    if (i < 0 || i >= Anzahl())
        return false;
    std::int64_t schritte = std::min(VorabSchritte, PaarungsSuchgrenze);
    const int vorab = SchlichtVorab(i, schritte);
    std::int64_t aufwand =
        std::min(VorabSchritte, PaarungsSuchgrenze) - std::max<std::int64_t>(schritte, 0);
    if (vorab >= 0) {
        PaarungsSuchaufwand = aufwand;
        return vorab == 1;
    }
    std::vector<int> listenindizes;
    for (int k = 0; k < Anzahl(); ++k)
        if (!Spieler(k).Gepaart || k == i)
            listenindizes.push_back(k);
    const paarung::TRegelmatrix regeln(listenindizes);
    paarung::TSuchergebnis ergebnis = paarung::TSuchergebnis::Unmoeglich;
    paarung::TPaarungsSuche suche(regeln, PaarungsSuchgrenze, aufwand);

    if (!Spieler(i).Gepaart && ErsterUngepaarter() == i) {
        ergebnis = paarung::PaareUngepaarte(suche, regeln, listenindizes);
    } else {
        // Started elsewhere than at the first free player: the first choice is made here, in the
        // plain way, and the rest is searched from the first free player as usual.
        for (int j = i + 1; j < Anzahl() && ergebnis == paarung::TSuchergebnis::Unmoeglich; ++j) {
            if (Spieler(j).Gepaart)
                continue;
            if (GruppenBeachten && Spieler(j).Gruppe != Spieler(i).Gruppe)
                continue;
            ++aufwand;
            PruefePaarung(i, j);
            int behalten[5];
            for (int k = 0; k < 5; ++k)
                behalten[k] = PaarVerstoesse[k];
            if (!UeberToleranz()) {
                Verbinde(i, j);
                ergebnis = paarung::PaareUngepaarte(suche, regeln, listenindizes);
                if (ergebnis != paarung::TSuchergebnis::Gefunden)
                    Trenne(i, j);
            }
            if (ergebnis != paarung::TSuchergebnis::Gefunden)
                for (int k = 0; k < 5; ++k)
                    Verstoesse[k] -= behalten[k];
        }
    }
    PaarungsSuchaufwand = aufwand;
    if (ergebnis == paarung::TSuchergebnis::Gefunden)
        return true;
    PaarungsSucheAbgebrochen = ergebnis == paarung::TSuchergebnis::Abgebrochen;
    return false;
}
