#include "core/Paarungen.h"

#include "CoreState.h"
#include "Testaufbau.h"

#include <gtest/gtest.h>

using namespace testaufbau;

namespace {

class PaarungenTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }
};

std::vector<int> Nummern(const TObjectList<TTisch>& liste) {
    std::vector<int> n;
    for (const auto& t : liste)
        n.push_back(t->Nummer);
    return n;
}

} // namespace

TEST_F(PaarungenTest, ListsEachGameOnceFromItsLowerNumberSortedByTable) {
    TSpieler& s4 = NeuerSpieler(4, "Vier");
    TSpieler& s1 = NeuerSpieler(1, "Eins");
    std::vector<TSpieler*> s(12);
    for (int n : {2, 3, 5, 7, 8, 9, 10, 11})
        (s[static_cast<size_t>(n)] = &NeuerSpieler(n))->Platz = 10 + n;
    s1.Vorname = "Anna", s1.Nickname = "Ax", s1.Platz = 5, s4.Platz = 2, s4.Armee = "Orks";
    Spiel(s1, s4, 1, 0, 0, 0, 0, 7);
    s1.SetGegner(2, 2), s1.SetTisch(2, 9); // s4 has no round 2 stored
    Spiel(s1, s4, 3, 800, 300, 12, 4, 5);
    s4.SetTisch(3, 6); // the pairing's table comes from the lower number's side
    Spiel(*s[2], *s[3], 3, 0, 0, 0, 0, 2);
    s[5]->SetGegner(3, 5);  // bye
    s[7]->SetGegner(3, 99); // opponent no longer exists
    Spiel(*s[8], *s[9], 3, 0, 0, 0, 0, 1);
    s[8]->Geloescht = s[9]->Geloescht = true;
    Spiel(*s[10], *s[11], 3, 0, 0, 0, 0, 4);
    s[11]->Geloescht = true; // one deleted side is still listed
    AktuellerSpieltag = 3;

    for (int lauf = 0; lauf < 2; ++lauf) // a rebuild drops the old pairings
        ErstellePaarungsliste();
    ASSERT_EQ(Paarungsliste.size(), 3u);
    EXPECT_EQ(Paarungsliste[0]->Nummer1 * 100 + Paarungsliste[0]->Nummer2, 203);
    EXPECT_EQ(Paarungsliste[1]->Nummer1 * 100 + Paarungsliste[1]->Nummer2, 1011);
    const TPaarung& c = *Paarungsliste[2];
    EXPECT_EQ(c.Nummer1 * 100 + c.Nummer2, 104);
    EXPECT_EQ(c.Name1 + "/" + c.Name2, "Anna 'Ax' Eins/Vier");
    EXPECT_EQ(c.GetTisch(), 5);
    EXPECT_EQ(c.BesterPlatz, 2);
    // Earlier rounds interleaved side 1, side 2; a round not stored gives table 0.
    EXPECT_EQ(Nummern(c.BisherigeTische), (std::vector<int>{7, 7, 9, 0}));
    EXPECT_EQ(Nummern(c.BisherigeTische1), (std::vector<int>{7, 9}));
    EXPECT_EQ(Nummern(c.BisherigeTische2), (std::vector<int>{7, 0}));
    EXPECT_EQ(c.Ergebnis1.Siegpunkte, 800);
    EXPECT_EQ(c.Ergebnis1.GegnerArmee.str(), "Orks");
    EXPECT_EQ(c.Ergebnis2.Punkte * 100 + c.Ergebnis2.Tisch, 406);

    EXPECT_EQ(FindePaarungVonSpieler(4), &c);
    EXPECT_EQ(FindePaarungVonSpieler(5), nullptr) << "a bye has no pairing";
    SortierePaarungenNachPlatz();
    EXPECT_EQ(Paarungsliste[0]->Nummer1, 1);
}

TEST_F(PaarungenTest, WorkingCopiesReachThePlayersOnlyWhenWritten) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    Spiel(a, b, 2, 100, 200, 3, 13, 4);
    AktuellerSpieltag = 2;
    ErstellePaarungsliste();
    TPaarung& p = *Paarungsliste[0];
    p.Ergebnis1.Punkte = 9;
    p.Ergebnis2.GegnerArmee = "Zwerge";
    EXPECT_EQ(a.GetPunkte(2), 3);
    p.SchreibeErgebnis();
    EXPECT_EQ(a.GetPunkte(2), 9);
    EXPECT_EQ(b.GetGegnerArmee(2), "Zwerge");
    EXPECT_EQ(b.GetGegner(2), 1);

    // A round the players have not stored reads as the defaults; writing it appends rounds.
    AktuellerSpieltag = 5;
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Gegner * 100 + p.Ergebnis1.Punkte, -100);
    p.Ergebnis1.Punkte = 7;
    p.SetTisch(6);
    p.Ergebnis2.Tisch = 8;
    UebernehmeTische();
    EXPECT_EQ(a.GetPunkte(5), 7);
    EXPECT_EQ(a.GetTisch(5) * 10 + b.GetTisch(5), 68) << "the working copy is written last";

    // A side whose player does not exist is skipped both ways.
    p.Nummer2 = 42;
    p.Ergebnis2.Punkte = 6;
    a.SetPunkte(5, 11);
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Punkte * 100 + p.Ergebnis2.Punkte, 1106);

    // A round number below 1 has nowhere to go.
    AktuellerSpieltag = 0;
    p.SchreibeErgebnis();
    UebernehmeTische();
    EXPECT_EQ(a.GetRundenAnzahl(), 5);
}

TEST_F(PaarungenTest, TableRulesOfOnePairing) {
    TPaarung p; // round 1: no earlier tables, every table allowed
    TischgruppenBeruecksichtigen = true;
    NeueTischgruppe("Vorn", 1, 4);
    NeueTischgruppe("Hinten", 5, 8); // tables from 9 on lie in no group
    EXPECT_TRUE(p.TischErlaubt(3));

    // Side 1 sat at 3 and 4, side 2 at 5 and 12.
    p.FuegeBisherigeRundeHinzu(3, 5);
    p.FuegeBisherigeRundeHinzu(4, 12);
    EXPECT_FALSE(p.TischErlaubt(12));
    EXPECT_FALSE(p.TischErlaubt(1)) << "side 1 has two games in group 1";
    EXPECT_TRUE(p.TischErlaubt(6)) << "side 2 has one game in group 2";
    p.SetTisch(4);
    EXPECT_EQ(p.ZaehleTischwiederholungen(), 1);
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 1);
    TischgruppenBeruecksichtigen = false;
    EXPECT_TRUE(p.TischErlaubt(1));
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 0);
    TischgruppenBeruecksichtigen = true;
    p.TischFest = true;
    EXPECT_EQ(p.ZaehleTischwiederholungen() + p.ZaehleGruppenverstoesse(), 0) << "fixed";
    p.TischFest = false;

    WieOftProGruppe = 1;
    EXPECT_FALSE(p.TischErlaubt(6));
    // Outside every group the count is 0: refused only by a limit of 0 or less.
    EXPECT_TRUE(p.TischErlaubt(10));
    p.SetTisch(10);
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 0);
    WieOftProGruppe = 0;
    EXPECT_FALSE(p.TischErlaubt(10));
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 2);
}
