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

std::unique_ptr<TPaarung> PaarungMitVorgeschichte(std::vector<std::pair<int, int>> runden) {
    auto p = std::make_unique<TPaarung>();
    for (auto [t1, t2] : runden)
        p->FuegeBisherigeRundeHinzu(t1, t2);
    return p;
}

} // namespace

TEST_F(PaarungenTest, ListsEachGameOnceFromItsLowerNumberSortedByTable) {
    TSpieler& s4 = NeuerSpieler(4, "Vier");
    TSpieler& s1 = NeuerSpieler(1, "Eins");
    TSpieler& s2 = NeuerSpieler(2, "Zwei");
    TSpieler& s3 = NeuerSpieler(3, "Drei");
    TSpieler& s5 = NeuerSpieler(5);
    TSpieler& s6 = NeuerSpieler(6);
    TSpieler& s7 = NeuerSpieler(7);
    TSpieler& s8 = NeuerSpieler(8);
    TSpieler& s9 = NeuerSpieler(9);
    TSpieler& s10 = NeuerSpieler(10);
    TSpieler& s11 = NeuerSpieler(11);
    s1.Vorname = "Anna";
    s1.Nickname = "Ax";
    s1.Platz = 5;
    s4.Platz = 2;
    s4.Armee = "Orks";
    s1.Armee = "Elfen";
    Spiel(s1, s4, 1, 0, 0, 0, 0, 7);
    s1.SetTisch(2, 9); // s4 has no round 2 stored
    s1.SetGegner(2, 2);
    Spiel(s1, s4, 3, 800, 300, 12, 4, 5);
    s1.SetSzenariopunkte(3, 2);
    s4.SetFairplay(3, 3);
    s4.SetTisch(3, 6); // the table comes from the lower number's side
    Spiel(s2, s3, 3, 0, 0, 0, 0, 2);
    s5.SetGegner(3, 5);  // bye
    s6.SetGegner(3, -1); // unpaired
    s7.SetGegner(3, 99); // opponent no longer exists
    Spiel(s8, s9, 3, 0, 0, 0, 0, 1);
    s8.Geloescht = s9.Geloescht = true;
    Spiel(s10, s11, 3, 0, 0, 0, 0, 4);
    s11.Geloescht = true;
    AktuellerSpieltag = 3;

    ErstellePaarungsliste();
    ASSERT_EQ(Paarungsliste.size(), 3u);
    const TPaarung& a = *Paarungsliste[0];
    const TPaarung& b = *Paarungsliste[1];
    const TPaarung& c = *Paarungsliste[2];
    EXPECT_EQ(a.Nummer1, 2);
    EXPECT_EQ(a.Nummer2, 3);
    EXPECT_EQ(b.Nummer1, 10) << "one deleted side is still listed";
    EXPECT_EQ(c.Nummer1, 1);
    EXPECT_EQ(c.Nummer2, 4);
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
    EXPECT_EQ(c.Ergebnis1.Punkte, 12);
    EXPECT_EQ(c.Ergebnis1.Szenariopunkte, 2);
    EXPECT_EQ(c.Ergebnis1.GegnerArmee.str(), "Orks");
    EXPECT_EQ(c.Ergebnis2.Gegner, 1);
    EXPECT_EQ(c.Ergebnis2.Fairplay, 3);
    EXPECT_EQ(c.Ergebnis2.Tisch, 6);

    // A rebuild drops the old pairings.
    ErstellePaarungsliste();
    EXPECT_EQ(Paarungsliste.size(), 3u);
}

TEST_F(PaarungenTest, RoundsWithoutGamesGiveAnEmptyList) {
    TSpieler& a = NeuerSpieler(1);
    NeuerSpieler(2);
    a.SetGegner(1, 1);
    ErstellePaarungsliste();
    EXPECT_TRUE(Paarungsliste.empty());

    AktuellerSpieltag = 40; // far beyond every stored round
    ErstellePaarungsliste();
    EXPECT_TRUE(Paarungsliste.empty());

    Spielerliste.clear();
    ErstellePaarungsliste();
    EXPECT_TRUE(Paarungsliste.empty());
    EXPECT_EQ(FindePaarungVonSpieler(1), nullptr);
    UebernehmeTische();
}

TEST_F(PaarungenTest, FirstRoundHasNoEarlierTablesSoEveryTableIsAllowed) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    Spiel(a, b, 1, 0, 0, 0, 0, 3);
    TischgruppenBeruecksichtigen = true;
    NeueTischgruppe("A", 1, 10);
    ErstellePaarungsliste();
    ASSERT_EQ(Paarungsliste.size(), 1u);
    const TPaarung& p = *Paarungsliste[0];
    EXPECT_TRUE(p.BisherigeTische.empty() && p.BisherigeTische1.empty() &&
                p.BisherigeTische2.empty());
    for (int t = 1; t <= 12; ++t)
        EXPECT_TRUE(p.TischErlaubt(t));
    EXPECT_EQ(p.ZaehleTischwiederholungen(), 0);
    EXPECT_EQ(p.ZaehleGruppenverstoesse(), 0);
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
    p.Ergebnis2.Armeepunkte = 4;
    p.Ergebnis2.GegnerArmee = "Zwerge";
    EXPECT_EQ(a.GetPunkte(2), 3);

    p.SchreibeErgebnis();
    EXPECT_EQ(a.GetPunkte(2), 9);
    EXPECT_EQ(a.GetSiegpunkte(2), 100);
    EXPECT_EQ(b.GetSiegpunkte(2), 555);
    EXPECT_EQ(b.GetArmeepunkte(2), 4);
    EXPECT_EQ(b.GetGegnerArmee(2), "Zwerge");
    EXPECT_EQ(b.GetGegner(2), 1);

    // Reading back overwrites edits with the players' values.
    p.Ergebnis1.Fairplay = 8;
    b.SetFairplay(2, 2);
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Fairplay, 0);
    EXPECT_EQ(p.Ergebnis2.Fairplay, 2);

    // A round the player has not stored reads as the defaults.
    AktuellerSpieltag = 5;
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Gegner, -1);
    EXPECT_EQ(p.Ergebnis1.Punkte, 0);
    EXPECT_EQ(p.Ergebnis2.GegnerArmee.str(), "");

    // Writing round 5 appends the missing rounds.
    p.Ergebnis1.Punkte = 7;
    p.SchreibeErgebnis();
    EXPECT_EQ(a.GetRundenAnzahl(), 5);
    EXPECT_EQ(a.GetGegner(4), -1);
    EXPECT_EQ(a.GetPunkte(5), 7);
}

TEST_F(PaarungenTest, MissingPlayersAreSkippedOnBothWays) {
    TSpieler& a = NeuerSpieler(1);
    TPaarung p;
    p.Nummer1 = 1;
    p.Nummer2 = 42;
    p.Ergebnis1.Punkte = 5;
    p.Ergebnis2.Punkte = 6;
    p.SchreibeErgebnis();
    EXPECT_EQ(a.GetPunkte(1), 5);
    EXPECT_EQ(Spielerliste.size(), 1u);

    a.SetPunkte(1, 11);
    p.LeseErgebnis();
    EXPECT_EQ(p.Ergebnis1.Punkte, 11);
    EXPECT_EQ(p.Ergebnis2.Punkte, 6) << "the side without a player keeps its copy";

    // A round number below 1 writes nothing rather than failing.
    AktuellerSpieltag = 0;
    p.SchreibeErgebnis();
    EXPECT_EQ(a.GetRundenAnzahl(), 1);
}

TEST_F(PaarungenTest, TablesGoBackIntoBothPlayersWithTheWorkingCopies) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    TSpieler& d = NeuerSpieler(4);
    Spiel(a, b, 1, 0, 0);
    Spiel(c, d, 1, 0, 0);
    ErstellePaarungsliste();
    ASSERT_EQ(Paarungsliste.size(), 2u);
    Paarungsliste[0]->SetTisch(8);
    Paarungsliste[1]->SetTisch(3);
    Paarungsliste[1]->Ergebnis2.Punkte = 10;
    UebernehmeTische();
    EXPECT_EQ(a.GetTisch(1) + b.GetTisch(1), 16);
    EXPECT_EQ(c.GetTisch(1), 3);
    EXPECT_EQ(d.GetTisch(1), 3);
    EXPECT_EQ(d.GetPunkte(1), 10);
}

TEST_F(PaarungenTest, FindsThePairingOfEitherSide) {
    for (int n : {1, 2, 3, 4, 5})
        NeuerSpieler(n);
    Spiel(*Spielerliste[0], *Spielerliste[3], 1, 0, 0, 0, 0, 2);
    Spiel(*Spielerliste[1], *Spielerliste[2], 1, 0, 0, 0, 0, 1);
    Spielerliste[4]->SetGegner(1, 5);
    ErstellePaarungsliste();
    ASSERT_NE(FindePaarungVonSpieler(4), nullptr);
    EXPECT_EQ(FindePaarungVonSpieler(4)->Nummer1, 1);
    EXPECT_EQ(FindePaarungVonSpieler(1), FindePaarungVonSpieler(4));
    EXPECT_EQ(FindePaarungVonSpieler(3)->Nummer1, 2);
    EXPECT_EQ(FindePaarungVonSpieler(5), nullptr) << "a bye has no pairing";
    EXPECT_EQ(FindePaarungVonSpieler(0), nullptr);
    EXPECT_EQ(FindePaarungVonSpieler(-1), nullptr);
}

TEST_F(PaarungenTest, SortsByBestPlaceAndByTable) {
    for (auto [platz, tisch] : {std::pair{5, 1}, {1, 3}, {3, 2}}) {
        Paarungsliste.push_back(std::make_unique<TPaarung>());
        Paarungsliste.back()->BesterPlatz = platz;
        Paarungsliste.back()->SetTisch(tisch);
    }
    SortierePaarungenNachPlatz();
    EXPECT_EQ(Paarungsliste[0]->BesterPlatz, 1);
    EXPECT_EQ(Paarungsliste[1]->BesterPlatz, 3);
    EXPECT_EQ(Paarungsliste[2]->BesterPlatz, 5);
    SortierePaarungenNachTisch();
    EXPECT_EQ(Paarungsliste[0]->GetTisch(), 1);
    EXPECT_EQ(Paarungsliste[2]->GetTisch(), 3);
    EXPECT_EQ(VergleichePaarungNachTisch(*Paarungsliste[0], *Paarungsliste[0]), 0);
    EXPECT_LT(VergleichePaarungNachPlatz(*Paarungsliste[2], *Paarungsliste[0]), 0);
}

TEST_F(PaarungenTest, TableRulesOfOnePairing) {
    // Side 1 sat at 3 and 4, side 2 at 5 and 12.
    auto p = PaarungMitVorgeschichte({{3, 5}, {4, 12}});
    for (int t : {3, 4, 5, 12})
        EXPECT_FALSE(p->TischErlaubt(t)) << t;
    EXPECT_TRUE(p->TischErlaubt(6));
    p->SetTisch(4);
    EXPECT_EQ(p->ZaehleTischwiederholungen(), 1);
    p->TischFest = true;
    EXPECT_EQ(p->ZaehleTischwiederholungen(), 0) << "fixed pairings are never counted";
    p->TischFest = false;

    // Groups: 1..4 and 5..8; tables 9 on lie in none.
    NeueTischgruppe("Vorn", 1, 4);
    NeueTischgruppe("Hinten", 5, 8);
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 0) << "groups not observed";
    TischgruppenBeruecksichtigen = true;
    WieOftProGruppe = 2;
    EXPECT_FALSE(p->TischErlaubt(1)) << "side 1 has two games in group 1";
    EXPECT_TRUE(p->TischErlaubt(6)) << "side 2 has one game in group 2";
    EXPECT_TRUE(p->TischErlaubt(9));
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 1);
    p->SetTisch(6);
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 0);
    WieOftProGruppe = 1;
    EXPECT_FALSE(p->TischErlaubt(6));
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 1);
    p->SetTisch(2);
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 1);
    EXPECT_EQ(p->ZaehleTischwiederholungen(), 0);

    // Outside every group the count is 0: refused only by a limit of 0 or less.
    EXPECT_TRUE(p->TischErlaubt(10));
    p->SetTisch(10);
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 0);
    WieOftProGruppe = 0;
    EXPECT_FALSE(p->TischErlaubt(10));
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 2);
    p->TischFest = true;
    EXPECT_EQ(p->ZaehleGruppenverstoesse(), 0);
}
