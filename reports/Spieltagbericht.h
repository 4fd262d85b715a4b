#pragma once
// The round pairings report: per game the table, both players and the result columns, with
// blank lines to fill in for games without a result; in a team tournament each team pairing as a
// team row with the summed results, its member games and an empty row.
#include "core/Data.h"
#include "platform/qt/Bericht.h"

#include <QObject>
#include <string>

// One printed row.
class TDruckPaarung {
public:
    int Nummer = 0; // running number of the pairing; member rows carry their team row's
    int Startnummer1 = 0;
    int Startnummer2 = 0;
    std::string Name1; // GetName, or the team name in a team row
    std::string Name2;
    int Tisch = 0;
    int Siegpunkte1 = 0;
    int Siegpunkte2 = 0;
    int Armeebewertung1 = 0;
    int Armeebewertung2 = 0;
    int Punkte1 = 0;
    int Punkte2 = 0;
    int PunkteModifiziert1 = 0; // points plus the comparative army-rating points of the round
    int PunkteModifiziert2 = 0;
    bool Leerzeile = false;
    bool Teamzeile = false;
};

class TRepSpieltag : public QObject {
    Q_OBJECT
public:
    explicit TRepSpieltag(QObject* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void TexteUebersetzen();
    // Rebuilds Druckliste for round r and sets the title.
    void ErstelleDruckliste(int r);
    void QuickRep1BeforePrint();
    bool QuickRep1NeedData();

    TObjectList<TDruckPaarung> Druckliste;
    int Zeile = 0;

    TBericht QuickRep1;
    TBerichtLabel& QRLbTitel;
    TBerichtLabel& QRLabel1;
    TBerichtLabel& QRLabel2;
    TBerichtLabel& QRLabel3;
    TBerichtLabel& QRLbNr;
    TBerichtLabel& QRLbTischNr;
    TBerichtLabel& QRLbSpieler1;
    TBerichtLabel& QRLbDP;
    TBerichtLabel& QRLbSpieler2;
    TBerichtLabel& QRLbDifferenz;
    TBerichtLabel& QRLbErgebnis1;
    TBerichtLabel& QRLbErgebnis2;

private:
    void Teamzeilen(int r);
    void Spielerzeilen(int r);
};

extern TRepSpieltag* RepSpieltag;
