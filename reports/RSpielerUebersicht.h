#pragma once
// The player overview: every player not deleted, in the order of their display names, two lines
// each (number, name, origin, team; start number, army, rating, painting, quiz), with blanks to
// fill in where painting or quiz have not been scored yet.
#include "platform/qt/Bericht.h"

#include <QObject>
#include <string>
#include <vector>

class UebersichtDruck {
public:
    std::string Name; // with the nickname
    std::string Ort;
    std::string Team; // empty for the team "Neutral"
    std::string Armee;
    int Bewertung = 0;
    int Bemalung = 0;
    int Quiz = 0;
    int Startnummer = 0;
};

// The rows of every player not deleted, by display name without regard to case; players of the
// same name each with their own values, in list order.
std::vector<UebersichtDruck> UebersichtDruckliste();

class TRepSpielerUebersicht : public QObject {
    Q_OBJECT
public:
    explicit TRepSpielerUebersicht(QObject* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void TexteUebersetzen();
    void QuickRep1BeforePrint();
    bool QuickRep1NeedData();

    TBericht QuickRep1;
    std::vector<UebersichtDruck> Druckliste;
    int Zeile = 0;

private:
    TBerichtLabel* QRLabel1;
    TBerichtLabel* QRLabel2;
    TBerichtLabel* QRLabel3;
    TBerichtLabel* QRLabel4;
    TBerichtLabel* QRLabel5;
    TBerichtLabel* QRLabel6;
    TBerichtLabel* QRLabel7;
    TBerichtLabel* QRLabel8;
    TBerichtLabel* QRLabel9;
    TBerichtLabel* QRLbNummer;
    TBerichtLabel* QRLbName;
    TBerichtLabel* QRLbOrt;
    TBerichtLabel* QRLbTeam;
    TBerichtLabel* QRLbStartnummer;
    TBerichtLabel* QRLbArmee;
    TBerichtLabel* QRLbBewertung;
    TBerichtLabel* QRLbBemalung;
    TBerichtLabel* QRLbQuiz;
};

extern TRepSpielerUebersicht* RepSpielerUebersicht;
