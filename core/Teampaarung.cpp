// The pairing run of a team tournament: the search for a complete team pairing and its commit
// into teams, members, team pairings and tables.
#include "core/Teamturnier.h"

#include "core/Tische.h"
#include "platform/Errors.h"

namespace {

int AnzahlTeams() {
    return static_cast<int>(Teamliste.size());
}

TTTTeam& TeamAn(int position) {
    return *Teamliste[static_cast<size_t>(position)];
}

bool IstPosition(int position) {
    return position >= 0 && position < AnzahlTeams();
}

void Binde(int i, int j) {
    TeamAn(i).Gegner[0] = j;
    TeamAn(j).Gegner[0] = i;
    TeamAn(i).Gepaart = true;
    TeamAn(j).Gepaart = true;
}

void Loese(int i, int j) {
    TeamAn(i).Gegner[0] = -1;
    TeamAn(j).Gegner[0] = -1;
    TeamAn(i).Gepaart = false;
    TeamAn(j).Gepaart = false;
}

int ErsterUngepaarter() {
    for (int k = 0; k < AnzahlTeams(); ++k)
        if (!TeamAn(k).Gepaart)
            return k;
    return AnzahlTeams();
}

bool Suche(int i) {
    for (int j = i + 1; j < AnzahlTeams(); ++j) {
        if (TeamAn(j).Gepaart || !TeamPaarungErlaubt(i, j))
            continue;
        Binde(i, j);
        const int k = ErsterUngepaarter();
        if (k == AnzahlTeams() || Suche(k))
            return true;
        Loese(i, j);
    }
    return false;
}

} // namespace

void PruefeTeamSpieltag() {
    if (!IstTeamrunde(AktuellerSpieltag))
        throw TuvonError("Ein Teamturnier hat höchstens " + std::to_string(TeamRunden) +
                         " Spieltage: Spieltag " + std::to_string(AktuellerSpieltag) +
                         " kann nicht gepaart werden. Es wurde nichts verändert.");
}

void VorbereitenTeampaarung() {
    for (auto& team : Teamliste) {
        team->Gegner[0] = -1;
        team->Gepaart = false;
    }
    SortiereTeamliste();
}

void SetzeFesteTeampaarung(int i, int j) {
    PruefeTeamSpieltag();
    if (!IstPosition(i) || !IstPosition(j))
        throw TuvonError("Ein Team der festen Paarung wurde nicht gefunden.");
    const auto r = static_cast<size_t>(AktuellerSpieltag);
    Binde(i, j);
    TeamAn(i).Gegner[r] = TeamAn(j).Nummer;
    TeamAn(j).Gegner[r] = TeamAn(i).Nummer;
}

bool TeamPaarungErlaubt(int i, int j) {
    if (!IstPosition(i) || !IstPosition(j))
        return false;
    if (!KeinePaarungenMehrfach)
        return true;
    const TTTTeam& a = TeamAn(i);
    const int nummerB = TeamAn(j).Nummer;
    for (int k = 1; k < AktuellerSpieltag && k <= TeamRunden; ++k)
        if (a.Gegner[static_cast<size_t>(k)] == nummerB)
            return false;
    return true;
}

bool PaareTeamsRekursiv(int i) {
    if (!IstPosition(i))
        return false;
    // An odd number of open teams can never be completed; saying so at once spares a search
    // through every combination.
    int offen = 0;
    for (const auto& team : Teamliste)
        offen += team->Gepaart ? 0 : 1;
    if (offen % 2 != 0)
        return false;
    return Suche(i);
}

void UebernehmeTeampaarung() {
    PruefeTeamSpieltag();
    const auto r = static_cast<size_t>(AktuellerSpieltag);
    // When the round is paired again, a member who gets no game this time must not keep the one
    // of the earlier pairing: the teams are read back from the members right after.
    for (auto& spieler : Spielerliste)
        if (spieler->GetRundenAnzahl() >= AktuellerSpieltag) {
            spieler->SetGegner(AktuellerSpieltag, -1);
            spieler->SetTisch(AktuellerSpieltag, 0);
        }
    for (auto& team : Teamliste) {
        const int partner = team->Gegner[0];
        team->Gegner[r] = IstPosition(partner) ? TeamAn(partner).Nummer : team->Nummer;
    }
    UebernehmeTeamPaarungen();
    ErstelleTeampaarungen();
    VerteileTische(Teampaarungsliste);
    PruefeTischverteilung(Teampaarungsliste, 7);
    UebernehmeTeamTische();
    UebernehmeTeamPaarungen();
}

void UebernehmeTeamTische() {
    if (!IstTeamrunde(AktuellerSpieltag))
        return;
    const auto r = static_cast<size_t>(AktuellerSpieltag);
    for (const auto& paarung : Teampaarungsliste)
        for (const int nummer : {paarung->Nummer1, paarung->Nummer2}) {
            const int position = FindeTeamNachNummer(nummer);
            if (position >= 0)
                TeamAn(position).Tische[r] = paarung->GetTisch();
        }
}

void UebernehmeTeamPaarungen() {
    if (!IstTeamrunde(AktuellerSpieltag))
        return;
    const int r = AktuellerSpieltag;
    for (const auto& team : Teamliste) {
        const int position = FindeTeamNachNummer(team->GegnerInRunde(r));
        if (team->GegnerInRunde(r) < 0 || position < 0)
            continue;
        const TTTTeam& gegner = TeamAn(position);
        for (int k = 1; k <= TeamPlaetze; ++k) {
            const int nummerA = team->MitgliedAufPlatz(k);
            const int nummerB = gegner.MitgliedAufPlatz(k);
            if (nummerA < 1 || nummerB < 1)
                continue;
            TSpieler* a = FindeSpieler(nummerA);
            TSpieler* b = FindeSpieler(nummerB);
            // Deleted players are not paired again.
            if (a == nullptr || b == nullptr || a->Geloescht || b->Geloescht)
                continue;
            a->SetGegner(r, b->Startnummer);
            a->SetTisch(r, team->TischInRunde(r));
            b->SetTisch(r, gegner.TischInRunde(r));
        }
    }
}
