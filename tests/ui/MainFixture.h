#pragma once
// Shared by the main window tests: a small two-round tournament, the windows with it loaded, and
// readers of the list views.
#include "Spielerbau.h"
#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Turnierdatei.h"
#include "mainwindow/FMain.h"
#include "platform/LineFile.h"
#include "qt/ProgramWindows.h"

#include <QAction>
#include <QStringList>
#include <QTableWidget>
#include <filesystem>
#include <string>

inline TSpieler& NeuerSpieler(int nummer, const char* vorname, const char* name, const char* armee,
                              const char* herkunft, const char* team, int gruppe) {
    TSpieler& s = SpielerAnlegen(nummer, vorname, name);
    s.Armee = armee;
    s.Herkunft = herkunft;
    s.Team = team;
    s.Gruppe = gruppe;
    return s;
}

// Both sides of one game of round r.
inline void Spiel(int r, int a, int b, int tisch, int punkteA, int punkteB, int spA, int spB) {
    SpielPaaren(r, a, b, tisch);
    FindeSpieler(a)->SetPunkte(r, punkteA);
    FindeSpieler(a)->SetSiegpunkte(r, spA);
    FindeSpieler(b)->SetPunkte(r, punkteB);
    FindeSpieler(b)->SetSiegpunkte(r, spB);
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

// The windows started on the tournament of SchreibeTurnier, loaded through the load command.
inline TMain& Geladen(ProgramWindows& windows, bool gruppen = false) {
    SchreibeTurnier(windows.folder / "turnier.dat", gruppen);
    TMain& main = windows.Start();
    windows.dialogs.AnswerNext(windows.folder / "turnier.dat");
    main.Laden->trigger();
    return main;
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

// Paarungsliste as "a-b" of the two start numbers.
inline QStringList Paare() {
    QStringList paare;
    for (const auto& p : Paarungsliste)
        paare << QString("%1-%2").arg(p->Nummer1).arg(p->Nummer2);
    return paare;
}

inline QStringList Koepfe(const QTableWidget* ansicht) {
    QStringList koepfe;
    for (int c = 0; c < ansicht->columnCount(); ++c)
        koepfe << ansicht->horizontalHeaderItem(c)->text();
    return koepfe;
}
