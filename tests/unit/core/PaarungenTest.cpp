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
    ErstellePaarungsliste();
    EXPECT_TRUE(Paarungsliste.empty());
    EXPECT_EQ(FindePaarungVonSpieler(1), nullptr);

    TSpieler& s4 = NeuerSpieler(4, "Vier");
    TSpieler& s1 = NeuerSpieler(1, "Eins");
    std::vector<TSpieler*> s(12);
    for (int n : {2, 3, 5, 6, 7, 8, 9, 10, 11})
        (s[static_cast<size_t>(n)] = &NeuerSpieler(n))->Platz = 10 + n;
    s1.Vorname = "Anna", s1.Nickname = "Ax", s1.Armee = "Elfen", s1.Platz = 5;
    s4.Armee = "Orks", s4.Platz = 2;
    Spiel(s1, s4, 1, 0, 0, 0, 0, 7);
    s1.SetGegner(2, 2), s1.SetTisch(2, 9); // s4 has no round 2 stored
    Spiel(s1, s4, 3, 800, 300, 12, 4, 5);
    s1.SetSzenariopunkte(3, 2);
    s4.SetTisch(3, 6); // the pairing's table comes from the lower number's side
    Spiel(*s[2], *s[3], 3, 0, 0, 0, 0, 2);
    s[5]->SetGegner(3, 5);  // bye
    s[7]->SetGegner(3, 99); // opponent no longer exists
    Spiel(*s[8], *s[9], 3, 0, 0, 0, 0, 1);
    s[8]->Geloescht = s[9]->Geloescht = true;
    Spiel(*s[10], *s[11], 3, 0, 0, 0, 0, 4);
    s[11]->Geloescht = true;
    AktuellerSpieltag = 3;

    for (int lauf = 0; lauf < 2; ++lauf) // a rebuild drops the old pairings
        ErstellePaarungsliste();
    ASSERT_EQ(Paarungsliste.size(), 3u);
    EXPECT_EQ(Paarungsliste[0]->Nummer1 * 100 + Paarungsliste[0]->Nummer2, 203);
    EXPECT_EQ(Paarungsliste[1]->Nummer1, 10) << "one deleted side is still listed";
    const TPaarung& c = *Paarungsliste[2];
    EXPECT_EQ(c.Nummer1 * 100 + c.Nummer2, 104);
    EXPECT_EQ(c.Name1, "Anna 'Ax' Eins");
    EXPECT_EQ(c.Name2, "Vier");
    EXPECT_EQ(c.GetTisch(), 5);
    EXPECT_EQ(c.BesterPlatz, 2);
    EXPECT_FALSE(c.TischFest || c.Geaendert || c.Eingegeben || c.VomClient);
    // Earlier rounds interleaved side 1, side 2; a round not stored gives table 0.
    EXPECT_EQ(Nummern(c.BisherigeTische), (std::vector<int>{7, 7, 9, 0}));
    EXPECT_EQ(Nummern(c.BisherigeTische1), (std::vector<int>{7, 9}));
    EXPECT_EQ(Nummern(c.BisherigeTische2), (std::vector<int>{7, 0}));
    // Working copies hold both sides' own results of the round.
    EXPECT_EQ(c.Ergebnis1.Siegpunkte, 800);
    EXPECT_EQ(c.Ergebnis1.Szenariopunkte, 2);
    EXPECT_EQ(c.Ergebnis1.GegnerArmee.str(), "Orks");
    EXPECT_EQ(c.Ergebnis2.Gegner, 1);
    EXPECT_EQ(c.Ergebnis2.Punkte, 4);
    EXPECT_EQ(c.Ergebnis2.Tisch, 6);

    EXPECT_EQ(FindePaarungVonSpieler(4), &c);
    EXPECT_EQ(FindePaarungVonSpieler(1), &c);
    EXPECT_EQ(FindePaarungVonSpieler(5), nullptr) << "a bye has no pairing";
    EXPECT_EQ(FindePaarungVonSpieler(0), nullptr);

    // Sorting by the better place, then back by table.
    SortierePaarungenNachPlatz();
    EXPECT_EQ(Paarungsliste[0]->Nummer1, 1);
    SortierePaarungenNachTisch();
    EXPECT_EQ(Paarungsliste[2]->Nummer1, 1);

    AktuellerSpieltag = 40; // far beyond every stored round
    ErstellePaarungsliste();
    EXPECT_TRUE(Paarungsliste.empty());
}

TEST_F(PaarungenTest, WorkingCopiesReachThePlayersOnlyWhenWritten) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    Spiel(a, b, 2, 100, 200, 3, 13, 4);
    AktuellerSpieltag = 2;
    ErstellePaarungsliste();
    TPaarung& p = *Paarungsliste[0];
    p.Ergebnis1.Punkte = 9;
    p.Ergebnis2.Siegpunkte = 555;
    p.Ergebnis2.GegnerArmee = "Zwerge";
    EXPECT_EQ(a.GetPunkte(2), 3);
    p.SchreibeErgebnis();
    EXPECT_EQ(a.GetPunkte(2), 9);
    EXPECT_EQ(b.GetSiegpunkte(2), 555);
    EXPECT_EQ(b.GetGegnerArmee(2), "Zwerge");
    EXPECT_EQ(b.GetGegner(2), 1);

    p.Ergebnis1.Fairplay = 8;
    b.SetFairplay(2, 2);
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Fairplay, 0);
    EXPECT_EQ(p.Ergebnis2.Fairplay, 2);

    // A round the players have not stored reads as the defaults; writing it appends rounds.
    AktuellerSpieltag = 5;
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Gegner, -1);
    EXPECT_EQ(p.Ergebnis1.Punkte, 0);
    p.Ergebnis1.Punkte = 7;
    p.SetTisch(6);
    UebernehmeTische();
    EXPECT_EQ(a.GetRundenAnzahl(), 5);
    EXPECT_EQ(a.GetGegner(4), -1);
    EXPECT_EQ(a.GetPunkte(5), 7);
    EXPECT_EQ(a.GetTisch(5) * 10 + b.GetTisch(5), 66);

    // A side whose player does not exist is skipped both ways.
    p.Nummer2 = 42;
    p.Ergebnis2.Punkte = 6;
    a.SetPunkte(5, 11);
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Punkte, 11);
    EXPECT_EQ(p.Ergebnis2.Punkte, 6);
    UebernehmeTische();
    EXPECT_EQ(Spielerliste.size(), 2u);

    // A round number below 1 has nowhere to go.
    AktuellerSpieltag = 0;
    p.SchreibeErgebnis();
    UebernehmeTische();
    EXPECT_EQ(a.GetRundenAnzahl(), 5);
}

TEST_F(PaarungenTest, TableRulesOfOnePairing) {
    TPaarung p; // round 1: no earlier tables, every table allowed
    TischgruppenBeruecksichtigen = true;
    NeueTischgruppe("Alle", 1, 20);
    EXPECT_TRUE(p.TischErlaubt(3));
    Tischgruppen.clear();

    // Side 1 sat at 3 and 4, side 2 at 5 and 12.
    TischgruppenBeruecksichtigen = false;
    p.FuegeBisherigeRundeHinzu(3, 5);
    p.FuegeBisherigeRundeHinzu(4, 12);
    for (int t : {3, 4, 5, 12})
        EXPECT_FALSE(p.TischErlaubt(t)) << t;
    EXPECT_TRUE(p.TischErlaubt(6));
    p.SetTisch(4);
    EXPECT_EQ(p.ZaehleTischwiederholungen(), 1);
    p.TischFest = true;
    EXPECT_EQ(p.ZaehleTischwiederholungen(), 0) << "fixed pairings are never counted";
    p.TischFest = false;

    // Groups 1..4 and 5..8; tables from 9 on lie in none.
    NeueTischgruppe("Vorn", 1, 4);
    NeueTischgruppe("Hinten", 5, 8);
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 0) << "groups not observed";
    TischgruppenBeruecksichtigen = true;
    EXPECT_FALSE(p.TischErlaubt(1)) << "side 1 has two games in group 1";
    EXPECT_TRUE(p.TischErlaubt(6)) << "side 2 has one game in group 2";
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 1);
    WieOftProGruppe = 1;
    EXPECT_FALSE(p.TischErlaubt(6));
    p.SetTisch(6);
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 1);
    // Outside every group the count is 0: refused only by a limit of 0 or less.
    EXPECT_TRUE(p.TischErlaubt(10));
    p.SetTisch(10);
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 0);
    WieOftProGruppe = 0;
    EXPECT_FALSE(p.TischErlaubt(10));
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 2);
    p.TischFest = true;
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 0);
}
