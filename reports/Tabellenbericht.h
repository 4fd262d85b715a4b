#pragma once
// The standings report: one row per player in the order Spielerliste has, with place, name,
// points, the special scores that count, total and victory-point difference; in a team
// tournament one row per team, with its members below it when the whole table is asked for.
#include "platform/qt/Bericht.h"

#include <QObject>
#include <array>

class TSpieler;

class TForm1 : public QObject {
    Q_OBJECT
public:
    explicit TForm1(QObject* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void TexteUebersetzen();
    void QRTabelleBeforePrint();
    bool QRTabelleNeedData();
    bool QRTabelleNeedTeamData();

    TBericht QRTabelle;
    TBerichtLabel& QRLbTitel;
    TBerichtLabel& QRLabel2;
    TBerichtLabel& QRLabel3;
    TBerichtLabel& QRLabel4;
    TBerichtLabel& Armee;
    TBerichtLabel& QRLabel5;
    TBerichtLabel& QRLabel6;
    TBerichtLabel& QRLabel7;
    TBerichtLabel& QRLabel8;
    TBerichtLabel& QRLabel10;
    TBerichtLabel& QRLabel9;
    TBerichtLabel& QRlbDetailPlatz;
    TBerichtLabel& QRLbDetailName;
    TBerichtLabel& QRLbDetailPunkte;
    TBerichtLabel& QRLbDetailArmee;
    TBerichtLabel& QrLbDetailBemalung;
    TBerichtLabel& QRLbDetailQuiz;
    TBerichtLabel& QRLbDetailFair;
    TBerichtLabel& QRLbDetailSonstiges;
    TBerichtLabel& QrLbDetailGesamt;
    TBerichtLabel& QrLbDetailDifferenz;

private:
    void LeereDetail();
    // The five optional columns, each filled only when its score counts.
    void Zusatzspalten(const std::array<long long, 5>& werte);
    // Points, optional columns and difference of a player or member row.
    void Spielerwerte(const TSpieler& s);
};

extern TForm1* Form1;
extern int TabellenIndex;  // player or team printed next
extern int TeamUnterzeile; // 0 team row next, 1..5 member slot next, 6 team finished
extern bool TabelleKomplett;
