#pragma once
// The status report: one line per player with name, army-list status, paid and registered, as
// filtered and sorted in the print configuration dialog.
#include "core/Verwaltungsdruck.h"
#include "platform/qt/Bericht.h"

#include <QObject>
#include <vector>

class TRepVerwaltung : public QObject {
    Q_OBJECT
public:
    explicit TRepVerwaltung(QObject* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void TexteUebersetzen();
    // Rebuilds Druckliste from Spielerliste under Filter and VerwaltungSortierung.
    void BuildNewPrintData();
    void QRVerwaltungBeforePrint();
    bool QRVerwaltungNeedData();

    TBericht QRVerwaltung;
    std::vector<TVerwaltungDruck> Druckliste;
    int Zeile = 0;
    TVerwaltungFilter Filter;
    bool MitStartnummer = true;

private:
    TBerichtLabel* QRLabel1;
    TBerichtLabel* QRLabel2;
    TBerichtLabel* QRLabel3;
    TBerichtLabel* QRLabel4;
    TBerichtLabel* QRLabel5;
    TBerichtLabel* QRLName;
    TBerichtLabel* QRLArmeeliste;
    TBerichtLabel* QRLBezahlt;
    TBerichtLabel* QRLGemeldet;
};

extern TRepVerwaltung* RepVerwaltung;
