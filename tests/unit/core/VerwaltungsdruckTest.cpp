// The status report's rows: its three filter groups and its five sort keys.
#include "core/Verwaltungsdruck.h"

#include "CoreState.h"
#include "Spielerbau.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* was;
    void (*filter)(TVerwaltungFilter&);
    int sortierung;
    std::vector<int> startnummern;
};

} // namespace

TEST(Verwaltungsdruck, FiltersCombineAndEachKeyFallsBackToTheByteOrderOfNames) {
    FrischerZustand zustand;
    for (const auto& [nummer, vorname, name, status, bezahlt, gemeldet] :
         {std::tuple{10, "Zora", "Zeh", 3, true, true},
          {2, "anna", "arm", 0, false, false},
          {5, "\xD6mer", "\xD6z", 2, true, false},
          {7, "Bert", "Berg", 1, false, true},
          {3, "Carl", "Cord", 3, false, false}}) {
        TSpieler& neu = SpielerAnlegen(nummer, vorname, name);
        neu.ArmeelisteStatus = status, neu.Bezahlt = bezahlt, neu.Gemeldet = gemeldet;
    }
    FindeSpieler(5)->Geloescht = true;

    const auto keiner = [](TVerwaltungFilter&) {};
    const Fall faelle[] = {
        {"all, by name", keiner, 0, {7, 3, 10, 2, 5}},
        {"by start number", keiner, 4, {2, 3, 5, 7, 10}},
        {"by status, Ok first", keiner, 1, {3, 10, 5, 7, 2}},
        {"paid first", keiner, 2, {10, 5, 7, 3, 2}},
        {"registered first", keiner, 3, {7, 10, 3, 2, 5}},
        {"only Ok",
         [](TVerwaltungFilter& f) { f.ArmeelisteAlle = false, f.ArmeelisteStati[3] = true; },
         0,
         {3, 10}},
        {"paid and unpaid",
         [](TVerwaltungFilter& f) { f.BezahltAlle = false, f.BezahltJa = f.BezahltNein = true; },
         0,
         {7, 3, 10, 2, 5}},
        {"no paid box", [](TVerwaltungFilter& f) { f.BezahltAlle = false; }, 0, {}},
        {"unregistered with status Fehlt or Ruecksprache",
         [](TVerwaltungFilter& f) {
             f.GemeldetAlle = f.ArmeelisteAlle = false;
             f.GemeldetNein = f.ArmeelisteStati[0] = f.ArmeelisteStati[2] = true;
         },
         0,
         {2, 5}},
    };
    for (const auto& f : faelle) {
        TVerwaltungFilter filter;
        f.filter(filter);
        VerwaltungSortierung = f.sortierung;
        std::vector<int> nummern;
        for (const auto& zeile : VerwaltungDruckliste(filter))
            nummern.push_back(zeile.Startnummer);
        EXPECT_EQ(nummern, f.startnummern) << f.was;
    }

    FindeSpieler(2)->Name = std::string(45, 'x');
    VerwaltungSortierung = 4;
    EXPECT_EQ(VerwaltungDruckliste({}).front().Name.str(), "anna " + std::string(40, 'x'));
}
