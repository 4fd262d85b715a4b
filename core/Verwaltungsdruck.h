#pragma once
// The rows of the status report: which players it prints under the chosen filters, and in which
// order.
#include "platform/FixedString.h"

#include <vector>

class TVerwaltungDruck {
public:
    FixedString<45> Name; // first name and surname, no nickname
    int Armeeliste = 0;   // army-list status 0..3
    bool Bezahlt = false;
    bool Gemeldet = false;
    int Startnummer = 0;
};

// A group whose "Alle" is set passes every player; otherwise a player passes when the box of his
// value is set. A player must pass all three groups.
struct TVerwaltungFilter {
    bool ArmeelisteAlle = true;
    bool ArmeelisteStati[4] = {};
    bool BezahltAlle = true;
    bool BezahltJa = false;
    bool BezahltNein = false;
    bool GemeldetAlle = true;
    bool GemeldetJa = false;
    bool GemeldetNein = false;
};

// The sort key: 0 name, 1 army-list status, 2 paid, 3 registered, 4 start number.
extern int VerwaltungSortierung;

// By the key of VerwaltungSortierung, then by name in the byte order of Windows-1252 (capitals
// before small letters, umlauts after z). Negative when a goes first, positive when b goes first.
int CompareVerwaltungDruck(const TVerwaltungDruck& a, const TVerwaltungDruck& b);

// Every player of Spielerliste, deleted ones included, that passes the filter, sorted.
std::vector<TVerwaltungDruck> VerwaltungDruckliste(const TVerwaltungFilter& filter);
