#pragma once
// Everything a tournament file holds, apart from the process-wide state. Loading reads a file
// into such a copy first and puts it in place only when the whole file was read, so a damaged
// file never leaves a half-loaded tournament behind.
#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "core/Tische.h"

#include <string>
#include <vector>

// Filled by ErfasseTurnierStand, never used fresh.
struct TTischStand {
    bool TischeZufaellig;
    int ErsteInReihenfolge;
    int AnzahlTische;
    bool TischgruppenBeruecksichtigen;
    int AnzahlTischgruppen;
    bool TischgruppenManuell;
    int WieOftProGruppe;
    TObjectList<TTischgruppe> Tischgruppen;
};

struct TMatrixStand {
    bool SiegpunktmatrixBenutzen;
    TObjectList<TSiegIntervall> Zeilen;
};

struct TTurnierStand {
    FixedString<30> T3TurnierID;
    FixedString<50> Turniername;
    int AktuellerSpieltag;
    bool GleicheArmeenBeachten;
    bool KeinePaarungenMehrfach;
    bool GleicheOrteBeachten;
    bool NurNMalGegenArmee;
    bool ArmeebewertungKlassisch;
    bool ArmeebewertungVergleichend;
    bool BemalungWerten;
    bool QuizWerten;
    bool FairplayWerten;
    bool SonstigesWerten;
    bool GleicheTeamsBeachten;
    bool ErsteRundeNachArmeebewertung;
    int MalGegenSelbeArmee;
    int Toleranzen[5];
    std::vector<std::string> OrteBeruecksichtigt, OrteNeutral, TeamsBeruecksichtigt, TeamsNeutral,
        ArmeenBeruecksichtigt, ArmeenNeutral;
    bool Teamturnier;
    TMatrixStand Matrix;
    bool SzenarioWerten;
    double FaktorTurnier, FaktorArmee, FaktorBemalung, FaktorFairplay, FaktorQuiz, FaktorSonstige;
    bool PaarungshilfeAnzeigen;
    TTischStand Tische;
    int RundenAnzahl;
    bool GruppenBeachten;
    bool FairplayProSpiel;
    bool SzenarioEingabe;
    bool DruckMitSpielernummer;
    TObjectList<TSpieler> Spieler;
};

// A copy of the current options, table groups and matrix; the player list stays empty.
TTurnierStand ErfasseTurnierStand();
// Puts the copy in place of the process-wide state, its players replacing Spielerliste.
void UebernehmeTurnierStand(TTurnierStand&& stand);
