#pragma once
// Run sheets: one 32.5 mm block per game of Paarungsliste (two with the sides swapped when asked),
// with the table, the pairing and the lines on which the players write their scores; eight to a
// page.
#include "platform/qt/Bericht.h"

#include <QObject>

class TRepLaufzettel : public QObject {
    Q_OBJECT
public:
    explicit TRepLaufzettel(QObject* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void TexteUebersetzen();
    void QuickRep1BeforePrint();
    bool QuickRep1NeedData();

    TBericht QuickRep1;
    TBerichtLabel& QRTischNr;
    TBerichtLabel& QRPaarung;
    TBerichtLabel& QRLabelPunkte;
    TBerichtLabel& QRLabelTurnierpunkte;
    TBerichtLabel& QRLabelFairplay;
    TBerichtLabel& QRLabelSzenario;
};

extern TRepLaufzettel* RepLaufzettel;
extern int LaufzettelIndex; // game printed next
extern int LaufzettelSeite; // 1: first sheet of the game next, 2: the swapped one
