#pragma once
// Everything a tournament file holds, apart from the process-wide state. Loading reads a file
// into such a copy first and puts it in place only when the whole file was read, so a damaged
// file never leaves a half-loaded tournament behind.
#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "core/Tische.h"

#include <string>
#include <vector>

struct TTischStand {
    bool TischeZufaellig = true;
    int ErsteInReihenfolge = 0;
    int AnzahlTische = 0;
    bool TischgruppenBeruecksichtigen = false;
    int AnzahlTischgruppen = 5;
    bool TischgruppenManuell = false;
    int WieOftProGruppe = 2;
    TObjectList<TTischgruppe> Tischgruppen;
};

struct TMatrixStand {
    bool SiegpunktmatrixBenutzen = false;
    TObjectList<TSiegIntervall> Zeilen;
};

struct TTurnierStand {
    FixedString<30> T3TurnierID;
    FixedString<50> Turniername;
    int AktuellerSpieltag = 1;
    bool GleicheArmeenBeachten = true;
    bool KeinePaarungenMehrfach = true;
    bool GleicheOrteBeachten = true;
    bool NurNMalGegenArmee = true;
    bool ArmeebewertungKlassisch = true;
    bool ArmeebewertungVergleichend = false;
    bool BemalungWerten = false;
    bool QuizWerten = false;
    bool FairplayWerten = false;
    bool SonstigesWerten = false;
    bool GleicheTeamsBeachten = true;
    bool ErsteRundeNachArmeebewertung = true;
    int MalGegenSelbeArmee = 2;
    int Toleranzen[5] = {0, 0, 0, 0, 0};
    std::vector<std::string> OrteBeruecksichtigt, OrteNeutral, TeamsBeruecksichtigt, TeamsNeutral,
        ArmeenBeruecksichtigt, ArmeenNeutral;
    bool Teamturnier = false;
    TMatrixStand Matrix;
    bool SzenarioWerten = false;
    double FaktorTurnier = 1.0, FaktorArmee = 1.0, FaktorBemalung = 1.0, FaktorFairplay = 1.0,
           FaktorQuiz = 1.0, FaktorSonstige = 1.0;
    bool PaarungshilfeAnzeigen = false;
    TTischStand Tische;
    int RundenAnzahl = 5;
    bool GruppenBeachten = false;
    bool FairplayProSpiel = true;
    bool SzenarioEingabe = true;
    bool DruckMitSpielernummer = true;
    TObjectList<TSpieler> Spieler;
};

// A copy of the current options, table groups and matrix; the player list stays empty.
TTurnierStand ErfasseTurnierStand();
// Puts the copy in place of the process-wide state, its players replacing Spielerliste.
void UebernehmeTurnierStand(TTurnierStand&& stand);
