#include "core/Teamturnier.h"

#include "core/Teampunkte.h"

#include <algorithm>

TObjectList<TTTTeam> Teamliste;
TObjectList<TPaarung> Teampaarungsliste;

TObjectList<TPaarung>& PaarungslisteFuerTische() {
    return Teamturnier ? Teampaarungsliste : Paarungsliste;
}

bool IstTeamrunde(int r) {
    return r >= 1 && r <= TeamRunden;
}

int TTTTeam::GegnerInRunde(int r) const {
    return IstTeamrunde(r) ? Gegner[static_cast<size_t>(r)] : -1;
}

int TTTTeam::MitgliedAufPlatz(int k) const {
    return k >= 1 && k <= TeamPlaetze ? Mitglieder[static_cast<size_t>(k)] : -1;
}

int TTTTeam::TischInRunde(int r) const {
    return IstTeamrunde(r) ? Tische[static_cast<size_t>(r)] : 0;
}

int FindeTeam(const std::string& name) {
    const std::string gesucht = TrimText(name);
    for (size_t i = 0; i < Teamliste.size(); ++i)
        if (TrimText(Teamliste[i]->Name) == gesucht)
            return static_cast<int>(i);
    return -1;
}

bool TeamExistiert(const std::string& name) {
    return FindeTeam(name) >= 0;
}

int FindeTeamNachNummer(int nummer) {
    for (size_t i = 0; i < Teamliste.size(); ++i)
        if (Teamliste[i]->Nummer == nummer)
            return static_cast<int>(i);
    return -1;
}

int VergleicheTeams(const TTTTeam& a, const TTTTeam& b) {
    if (a.Gesamt != b.Gesamt)
        return a.Gesamt > b.Gesamt ? -1 : 1;
    return a.Nummer < b.Nummer ? -1 : (a.Nummer > b.Nummer ? 1 : 0);
}

namespace {

TTTTeam& TeamVon(const TSpieler& spieler) {
    // Every player's team exists once the new teams have been added.
    return *Teamliste[static_cast<size_t>(FindeTeam(spieler.Team))];
}

void FuegeNeueTeamsHinzu() {
    for (const auto& spieler : Spielerliste) {
        if (TeamExistiert(spieler->Team))
            continue;
        auto team = std::make_unique<TTTTeam>();
        team->Name = spieler->Team.str();
        team->Nummer = static_cast<int>(Teamliste.size()) + 1;
        Teamliste.push_back(std::move(team));
    }
}

// A later player of the same slot replaces an earlier one, but a deleted player never pushes out
// one who still plays.
void BesetzePlatz(TTTTeam& team, const TSpieler& spieler) {
    if (spieler.TeamNr < 1 || spieler.TeamNr > TeamPlaetze)
        return;
    int& platz = team.Mitglieder[static_cast<size_t>(spieler.TeamNr)];
    const TSpieler* bisher = platz > 0 ? FindeSpieler(platz) : nullptr;
    if (bisher == nullptr || !spieler.Geloescht || bisher->Geloescht)
        platz = spieler.Startnummer;
}

void LeseRundenDesSpielers(TTTTeam& team, const TSpieler& spieler) {
    for (int k = 1; k <= TeamRunden; ++k) {
        const auto slot = static_cast<size_t>(k);
        // A member without a game that round says nothing about the team's table.
        if (spieler.GetTisch(k) > 0)
            team.Tische[slot] = spieler.GetTisch(k);
        const int gegner = spieler.GetGegner(k);
        const TSpieler* gegenspieler = gegner > 0 ? FindeSpieler(gegner) : nullptr;
        if (gegenspieler != nullptr)
            team.Gegner[slot] = TeamVon(*gegenspieler).Nummer;
    }
}

void ErstellePaarungenDerRunde(int r) {
    for (const auto& team : Teamliste) {
        const int gegnerNummer = team->Gegner[static_cast<size_t>(r)];
        const int gegnerIndex = FindeTeamNachNummer(gegnerNummer);
        if (gegnerIndex < 0 || gegnerNummer < team->Nummer)
            continue;
        const TTTTeam& gegner = *Teamliste[static_cast<size_t>(gegnerIndex)];
        auto paarung = std::make_unique<TPaarung>();
        paarung->Name1 = team->Name.str();
        paarung->Name2 = gegner.Name.str();
        paarung->Nummer1 = team->Nummer;
        paarung->Nummer2 = gegner.Nummer;
        for (int k = 1; k < r; ++k)
            paarung->FuegeBisherigeRundeHinzu(team->Tische[static_cast<size_t>(k)],
                                              gegner.Tische[static_cast<size_t>(k)]);
        paarung->SetTisch(team->Tische[static_cast<size_t>(r)]);
        Teampaarungsliste.push_back(std::move(paarung));
    }
}

} // namespace

void ErstelleTeampaarungen() {
    Teampaarungsliste.clear();
    FuegeNeueTeamsHinzu();
    // Members are derived anew each time, so a player who left a team or the tournament, or
    // changed his slot, holds no stale slot.
    for (auto& team : Teamliste)
        team->Mitglieder.fill(-1);
    for (const auto& spieler : Spielerliste) {
        TTTTeam& team = TeamVon(*spieler);
        BesetzePlatz(team, *spieler);
        LeseRundenDesSpielers(team, *spieler);
    }
    if (IstTeamrunde(AktuellerSpieltag))
        ErstellePaarungenDerRunde(AktuellerSpieltag);
}

void SortiereTeamliste() {
    std::stable_sort(Teamliste.begin(), Teamliste.end(),
                     [](const auto& a, const auto& b) { return VergleicheTeams(*a, *b) < 0; });
}

void UebernehmeTeamwertung() {
    BerechneTeampunkte();
    for (const auto& punkte : Teamwertung) {
        const int index = FindeTeam(punkte->Name);
        if (index < 0)
            continue;
        TTTTeam& team = *Teamliste[static_cast<size_t>(index)];
        team.Sonstiges = punkte->Sonstiges;
        team.Gesamt = punkte->Gesamt;
        team.Punkte = punkte->Punkte;
        team.Fairplay = punkte->Fairplay;
        team.Bemalung = punkte->Bemalung;
        team.Quiz = punkte->Quiz;
        team.Armee = punkte->Armee;
        team.Differenz = punkte->Differenz;
    }
    SortiereTeamliste();
}
