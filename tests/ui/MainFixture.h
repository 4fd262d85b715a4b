#pragma once
// Shared by the main window tests: a small two-round tournament and readers of the list views.
#include "core/Data.h"
#include "core/Turnierdatei.h"
#include "platform/LineFile.h"

#include <QStringList>
#include <QTableWidget>
#include <filesystem>
#include <memory>
#include <string>

inline TSpieler& NeuerSpieler(int nummer, const char* vorname, const char* name, const char* armee,
                              const char* herkunft, const char* team, int gruppe) {
    auto s = std::make_unique<TSpieler>();
    s->Startnummer = nummer;
    s->Vorname = vorname;
    s->Name = name;
    s->Armee = armee;
    s->Herkunft = herkunft;
    s->Team = team;
    s->Gruppe = gruppe;
    Spielerliste.push_back(std::move(s));
    return *Spielerliste.back();
}

// Both sides of one game of round r.
inline void Spiel(int r, int a, int b, int tisch, int punkteA, int punkteB, int spA, int spB) {
    TSpieler* s1 = FindeSpieler(a);
    TSpieler* s2 = FindeSpieler(b);
    s1->SetGegner(r, b);
    s1->SetTisch(r, tisch);
    s1->SetPunkte(r, punkteA);
    s1->SetSiegpunkte(r, spA);
    s2->SetGegner(r, a);
    s2->SetTisch(r, tisch);
    s2->SetPunkte(r, punkteB);
    s2->SetSiegpunkte(r, spB);
}

inline void Freilos(int r, int nummer) {
    FindeSpieler(nummer)->SetGegner(r, nummer);
}

// Four active players and two deleted ones, paired for rounds 1 and 2 of three: round 1 has a
// game between the two deleted players, round 2 one between a deleted and an active player and
// two byes. The state is written to the file and then cleared again.
inline void SchreibeTurnier(const std::filesystem::path& datei, bool gruppen = false) {
    NeuerSpieler(1, "Anna", "Arm", "Orks", "Halven", "Rot", 1);
    NeuerSpieler(2, "Bert", "Berg", "Elfen", "Dornwalde", "Blau", 1);
    NeuerSpieler(3, "Carl", "Cord", "Orks", "Halven", "Rot", 2);
    NeuerSpieler(4, "Dora", "Dahl", "Zwerge", "Neutral", "Neutral", 2);
    NeuerSpieler(5, "Emil", "Eck", "Elfen", "Neutral", "Blau", 1).Geloescht = true;
    NeuerSpieler(6, "Fritz", "Fink", "Goblins", "Neutral", "Neutral", 2).Geloescht = true;
    Spiel(1, 1, 2, 1, 15, 5, 1200, 800);
    Spiel(1, 3, 4, 2, 12, 8, 1000, 900);
    Spiel(1, 5, 6, 3, 0, 0, 100, 200);
    Spiel(2, 1, 3, 2, 5, 15, 700, 1300);
    Spiel(2, 2, 5, 1, 20, 0, 1500, 0);
    Freilos(2, 4);
    Freilos(2, 6);
    Turniername = "Herbstturnier";
    RundenAnzahl = 3;
    AktuellerSpieltag = 2;
    PaarungshilfeAnzeigen = true;
    GruppenBeachten = gruppen;
    const std::string bisher = Dateiname;
    Dateiname = PathText(datei);
    SpeichereTurnier();
    Dateiname = bisher;
    Spielerliste.clear();
    Turniername = "";
    InitTurnier();
    RundenAnzahl = 5;
    PaarungshilfeAnzeigen = false;
}

// Each row as its cells of columns 1.. joined by "|".
inline QStringList Zeilen(const QTableWidget* ansicht) {
    QStringList zeilen;
    for (int r = 0; r < ansicht->rowCount(); ++r) {
        QStringList zellen;
        for (int c = 1; c < ansicht->columnCount(); ++c)
            zellen << (ansicht->item(r, c) ? ansicht->item(r, c)->text() : QString());
        zeilen << zellen.join('|');
    }
    return zeilen;
}

inline QStringList Koepfe(const QTableWidget* ansicht) {
    QStringList koepfe;
    for (int c = 0; c < ansicht->columnCount(); ++c)
        koepfe << ansicht->horizontalHeaderItem(c)->text();
    return koepfe;
}
