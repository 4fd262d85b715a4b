#include "core/Wertung.h"
#include "core/Teampunkte.h"

#include "CoreState.h"
#include "Testaufbau.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <set>

using namespace testaufbau;

namespace {

class WertungTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }
};

void Werte(int runden, bool quiz = false, bool fairplay = false, bool klassisch = false,
           bool vergleichend = false, bool bemalung = false, bool sonstiges = false,
           bool szenario = false) {
    BerechneWertung(runden, quiz, fairplay, klassisch, vergleichend, bemalung, sonstiges, szenario);
}

const TTeampunkte* Finde(const TObjectList<TTeampunkte>& liste, const std::string& name) {
    for (const auto& t : liste)
        if (t->Name.str() == name)
            return t.get();
    return nullptr;
}

std::string Reihenfolge() {
    std::string r;
    for (const auto& s : Spielerliste)
        r += std::to_string(s->Startnummer) + " ";
    return r;
}

} // namespace

TEST_F(WertungTest, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(RundeHalbGerade(2.5), 2.0);
    EXPECT_EQ(RundeHalbGerade(3.5), 4.0);
    EXPECT_EQ(RundeHalbGerade(0.5), 0.0);
    EXPECT_EQ(RundeHalbGerade(-2.5), -2.0);
    EXPECT_EQ(RundeHalbGerade(-3.5), -4.0);
    EXPECT_EQ(RundeHalbGerade(2.4999999), 2.0);
    EXPECT_EQ(RundeHalbGerade(2.5000001), 3.0);
    EXPECT_EQ(RundeHalbGerade(-1.2), -1.0);

    // Through the scoring: points weighted by one half.
    FaktorTurnier = 0.5;
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    a.SetPunkte(1, 5);
    b.SetPunkte(1, 7);
    Werte(1);
    EXPECT_EQ(a.Gesamtwertung, 2.5);
    EXPECT_EQ(a.Gesamtpunkte, 2);
    EXPECT_EQ(b.Gesamtpunkte, 4);
}

TEST_F(WertungTest, WeightsSpecialScoresAndRoundsAsFlagged) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    a.Quiz = 3;
    a.Armeebewertung = 10;
    a.Bemalung = 4;
    a.Sonstiges = 2;
    a.Fairplay = 1;
    Spiel(a, b, 1, 900, 300, 12, 4);
    Spiel(a, b, 2, 100, 500, 6, 10);
    a.SetSzenariopunkte(1, 2);
    a.SetSzenariopunkte(2, 1);
    a.SetArmeepunkte(1, 5);
    a.SetArmeepunkte(2, 7);
    a.SetFairplay(1, 3);
    a.SetFairplay(2, 2);
    FaktorQuiz = 2;
    FaktorArmee = 0.5;
    FaktorBemalung = 3;
    FaktorSonstige = 10;
    FaktorFairplay = 4;
    FaktorTurnier = 1;

    // Every flag off: the round points alone.
    Werte(2);
    EXPECT_EQ(a.Gesamtwertung, 18.0);
    EXPECT_EQ(a.Punktesumme, 18);
    EXPECT_EQ(a.FairplayGesamt, 6);
    EXPECT_EQ(a.Siegpunktdifferenz, 900 - 300 + 100 - 500);
    EXPECT_EQ(b.Siegpunktdifferenz, -200);

    // Every special score and scenario on, army rating classic.
    Werte(2, true, true, true, false, true, true, true);
    EXPECT_EQ(a.Punktesumme, 21);
    EXPECT_EQ(a.Gesamtwertung, 3 * 2 + 10 * 0.5 + 4 * 3 + 2 * 10 + 21 + 6 * 4);
    EXPECT_EQ(a.Gesamtpunkte, 88);

    // Comparative army rating: per-game army points weighted like round points, not summed.
    Werte(2, false, false, false, true, false, false, false);
    EXPECT_EQ(a.Gesamtwertung, 18.0 + 12.0);
    EXPECT_EQ(a.Punktesumme, 18);

    // Only round 1 counts.
    Werte(1, false, false, false, false, false, false, true);
    EXPECT_EQ(a.Gesamtwertung, 14.0);
    EXPECT_EQ(a.Siegpunktdifferenz, 600);
    EXPECT_EQ(a.FairplayGesamt, 4);

    // No round counted: the computed fields start from nothing again.
    Werte(0, false, true);
    EXPECT_EQ(a.Punktesumme, 0);
    EXPECT_EQ(a.Siegpunktdifferenz, 0);
    EXPECT_EQ(a.FairplayGesamt, 1);
    EXPECT_EQ(a.Gesamtwertung, 4.0);
}

TEST_F(WertungTest, AddsTheWeightedTermsInStepOrder) {
    // (0.1 + 0.2) + 0.3 differs from 0.1 + (0.2 + 0.3) in the last bit.
    TSpieler& a = NeuerSpieler(1);
    a.Quiz = 1;
    a.Armeebewertung = 1;
    a.SetPunkte(1, 1);
    FaktorQuiz = 0.1;
    FaktorArmee = 0.2;
    FaktorTurnier = 0.3;
    Werte(1, true, false, true);
    const double erwartet = (0.1 + 0.2) + 0.3;
    ASSERT_NE(erwartet, 0.1 + (0.2 + 0.3));
    EXPECT_EQ(a.Gesamtwertung, erwartet);
}

TEST_F(WertungTest, VictoryPointDifferenceOverByesUnpairedAndMissingOpponents) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    Spiel(a, b, 1, 700, 200);
    a.SetGegner(2, 1); // bye
    a.SetSiegpunkte(2, 400);
    a.SetSiegpunkte(3, 50); // unpaired (-1): own points only
    a.SetGegner(4, 99);     // an opponent who is no longer in the list
    a.SetSiegpunkte(4, 30);
    // Rounds far beyond the stored ones add nothing and must not fail.
    Werte(12);
    EXPECT_EQ(a.Siegpunktdifferenz, 500 + 0 + 50 + 30);
    EXPECT_EQ(b.Siegpunktdifferenz, -500);
    EXPECT_EQ(a.GetRundenAnzahl(), 4) << "scoring must not append rounds";
}

TEST_F(WertungTest, AggregatesSumEveryPlayerIncludingDeletedOnes) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    a.Team = "Rot";
    b.Team = "Rot ";
    c.Team = "rot";
    a.Herkunft = " Ulm";
    b.Herkunft = "Ulm";
    c.Herkunft = "Bonn";
    a.Armee = "Orks";
    b.Armee = "Elfen";
    c.Armee = "Orks";
    c.Geloescht = true;
    a.Quiz = 2;
    b.Quiz = 5;
    c.Quiz = 7;
    a.Bemalung = 1;
    b.Armeebewertung = 3;
    c.Sonstiges = 4;
    a.Fairplay = 6;
    Spiel(a, b, 1, 400, 100, 10, 6);
    a.SetArmeepunkte(1, 2);
    c.SetPunkte(1, 9);
    FaktorTurnier = 0.5;

    // Counting flags off, comparative rating on: the special sums are kept anyway.
    Werte(1, false, false, false, true);
    ASSERT_EQ(Teamwertung.size(), 2u) << "trailing blank joins, case splits";
    ASSERT_EQ(Ortswertung.size(), 2u);
    ASSERT_EQ(Armeewertung.size(), 2u);

    const TTeampunkte* rot = Finde(Teamwertung, "Rot");
    ASSERT_NE(rot, nullptr);
    EXPECT_EQ(rot->Anzahl, 2);
    EXPECT_EQ(rot->SummeQuiz, 7);
    EXPECT_EQ(rot->SummeBemalung, 1);
    EXPECT_EQ(rot->SummeArmee, 3);
    EXPECT_EQ(rot->SummePunkte, 10 + 2 + 6);
    EXPECT_EQ(rot->SummeFairplay, 6);
    EXPECT_EQ(rot->SummeDifferenz, 0);
    // a: (10 + 2) * 0.5 = 6; b: 3
    EXPECT_EQ(rot->SummeGesamt, 9);
    EXPECT_EQ(rot->Gesamt, 9.0);

    const TTeampunkte* klein = Finde(Teamwertung, "rot");
    ASSERT_NE(klein, nullptr);
    EXPECT_EQ(klein->Anzahl, 1);
    EXPECT_EQ(klein->SummeSonstiges, 4);
    EXPECT_EQ(klein->SummeQuiz, 7);
    EXPECT_EQ(klein->SummeGesamt, 4) << "4.5 rounds to 4";

    const TTeampunkte* ulm = Finde(Ortswertung, "Ulm");
    ASSERT_NE(ulm, nullptr);
    EXPECT_EQ(ulm->Anzahl, 2);
    const TTeampunkte* orks = Finde(Armeewertung, "Orks");
    ASSERT_NE(orks, nullptr);
    EXPECT_EQ(orks->Anzahl, 2);
    EXPECT_EQ(orks->SummeDifferenz, 300);
    EXPECT_EQ(orks->SummePunkte, 12 + 9);

    // A second run rebuilds from scratch rather than adding up.
    Werte(1, false, false, false, true);
    EXPECT_EQ(Finde(Teamwertung, "Rot")->Anzahl, 2);
    EXPECT_EQ(Teamwertung.size(), 2u);
}

TEST_F(WertungTest, EmptyFieldScoresAndSortsToNothing) {
    Werte(3, true, true, true, false, true, true, true);
    EXPECT_TRUE(Teamwertung.empty());
    EXPECT_TRUE(Ortswertung.empty());
    EXPECT_TRUE(Armeewertung.empty());
    SortiereTabelle();
    SetzeZufallswerte();
    SortierSpalte = 4;
    EXPECT_TRUE(SortiereNachSpalte());
    EXPECT_TRUE(Spielerliste.empty());
}

TEST_F(WertungTest, RandomTotalsForEveryPlayerFromTheSeededGenerator) {
    for (int i = 1; i <= 20; ++i)
        NeuerSpieler(i).Geloescht = (i % 5 == 0);
    SeedRandom(99);
    SetzeZufallswerte();
    std::vector<int> erste;
    std::set<int> verschieden;
    for (const auto& s : Spielerliste) {
        EXPECT_GE(s->Gesamtpunkte, 0);
        EXPECT_LE(s->Gesamtpunkte, 9999);
        EXPECT_EQ(s->Gesamtwertung, s->Gesamtpunkte);
        erste.push_back(s->Gesamtpunkte);
        verschieden.insert(s->Gesamtpunkte);
    }
    EXPECT_GT(verschieden.size(), 10u);
    SeedRandom(99);
    SetzeZufallswerte();
    for (size_t i = 0; i < Spielerliste.size(); ++i)
        EXPECT_EQ(Spielerliste[i]->Gesamtpunkte, erste[i]);
}

TEST_F(WertungTest, StandingsUseTheExactTotalThenTheDifference) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    TSpieler& d = NeuerSpieler(4);
    a.Gesamtwertung = 10.3;
    b.Gesamtwertung = 10.4; // same rounded total as a
    c.Gesamtwertung = 10.3;
    c.Siegpunktdifferenz = 50;
    d.Gesamtwertung = -1;
    d.Geloescht = true;
    a.Siegpunktdifferenz = -20;
    SortiereTabelle();
    EXPECT_EQ(Reihenfolge(), "2 3 1 4 ");
    EXPECT_EQ(b.Platz, 1);
    EXPECT_EQ(c.Platz, 2);
    EXPECT_EQ(a.Platz, 3);
    EXPECT_EQ(d.Platz, 4) << "deleted players are placed too";
}

TEST_F(WertungTest, CompareOperationsUseTheirTwoKeys) {
    TSpieler a, b;
    EXPECT_EQ(VergleicheWertung(a, b), 0);
    a.Gesamtwertung = 1.5;
    b.Gesamtwertung = 1.0;
    b.Siegpunktdifferenz = 100;
    EXPECT_LT(VergleicheWertung(a, b), 0);
    EXPECT_GT(VergleicheWertung(b, a), 0);

    // The column sorts break ties by the rounded total, not the exact one.
    a.Gesamtpunkte = 5;
    b.Gesamtpunkte = 6;
    a.Punktesumme = b.Punktesumme = 3;
    a.Siegpunktdifferenz = 10;
    EXPECT_GT(VergleichePunkte(a, b), 0);
    a.Punktesumme = 4;
    EXPECT_LT(VergleichePunkte(a, b), 0);

    struct Fall {
        int (*vergleich)(const TSpieler&, const TSpieler&);
        int TSpieler::*feld;
        bool aufsteigend;
    };
    const Fall faelle[] = {
        {VergleicheQuiz, &TSpieler::Quiz, false},
        {VergleicheGruppe, &TSpieler::Gruppe, true},
        {VergleicheBemalung, &TSpieler::Bemalung, false},
        {VergleicheArmee, &TSpieler::Armeebewertung, false},
        {VergleicheFairplay, &TSpieler::FairplayGesamt, false},
        {VergleicheSonstiges, &TSpieler::Sonstiges, false},
        {VergleicheSiegpunktdifferenz, &TSpieler::Siegpunktdifferenz, false},
    };
    for (const Fall& f : faelle) {
        TSpieler x, y;
        x.Gesamtpunkte = 1;
        y.Gesamtpunkte = 2;
        x.Gesamtwertung = 9; // never read by the column sorts
        EXPECT_GT(f.vergleich(x, y), 0) << "equal first key: higher Gesamtpunkte first";
        x.*f.feld = 3;
        y.*f.feld = 2;
        EXPECT_EQ(f.vergleich(x, y) < 0, !f.aufsteigend);
        EXPECT_EQ(f.vergleich(y, x) < 0, f.aufsteigend);
        y.Gesamtpunkte = 1;
        y.*f.feld = 3;
        EXPECT_EQ(f.vergleich(x, y), 0);
    }
}

TEST_F(WertungTest, NamesCompareByCharacterCodes) {
    TSpieler a, b;
    a.Name = "Berg";
    b.Name = "adler";
    EXPECT_LT(VergleicheName(a, b), 0) << "upper case before lower case";
    b.Name = "Zorn";
    a.Name = "\xC4rger"; // Ä in Windows-1252 sorts after every ASCII letter
    EXPECT_GT(VergleicheName(a, b), 0);
    a.Name = "Zorn";
    a.Vorname = "Anna";
    b.Vorname = "A"; // a single letter is not part of the name: "Anna Zorn" before "Zorn"
    EXPECT_LT(VergleicheName(a, b), 0);
    b.Vorname = "Anna";
    EXPECT_EQ(VergleicheName(a, b), 0);
}

TEST_F(WertungTest, ColumnSortNumbersOnlyTheShownOptionalColumns) {
    TSpieler& a = NeuerSpieler(1, "Cez");
    TSpieler& b = NeuerSpieler(2, "Abt");
    TSpieler& c = NeuerSpieler(3, "Bex");
    a.Gesamtwertung = a.Gesamtpunkte = 30;
    b.Gesamtwertung = b.Gesamtpunkte = 20;
    c.Gesamtwertung = c.Gesamtpunkte = 10;
    a.Punktesumme = 1, b.Punktesumme = 3, c.Punktesumme = 2;
    a.Siegpunktdifferenz = 2, b.Siegpunktdifferenz = 1, c.Siegpunktdifferenz = 3;
    a.Gruppe = 3, b.Gruppe = 1, c.Gruppe = 2;
    a.Quiz = 1, b.Quiz = 2, c.Quiz = 3;
    a.FairplayGesamt = 2, b.FairplayGesamt = 3, c.FairplayGesamt = 1;
    a.Armeebewertung = 3, b.Armeebewertung = 1, c.Armeebewertung = 2;
    a.Bemalung = 2, b.Bemalung = 1, c.Bemalung = 3;
    a.Sonstiges = 1, b.Sonstiges = 3, c.Sonstiges = 2;
    for (auto& s : Spielerliste)
        s->Platz = 77;

    auto sortiere = [](int spalte) {
        SortierSpalte = spalte;
        const bool spaltensortierung = SortiereNachSpalte();
        return Reihenfolge() + (spaltensortierung ? "Spalte" : "Wertung");
    };

    EXPECT_EQ(sortiere(3), "2 3 1 Spalte");
    EXPECT_EQ(sortiere(4), "2 3 1 Spalte");
    EXPECT_EQ(sortiere(5), "3 1 2 Spalte");
    for (int spalte : {0, 1, 2, -4})
        EXPECT_EQ(sortiere(spalte), "1 2 3 Wertung") << spalte;

    // Built-in options: only the classic army rating is shown, as column 6.
    EXPECT_EQ(sortiere(6), "1 3 2 Spalte");
    EXPECT_EQ(sortiere(7), "1 2 3 Wertung");

    // Groups off, quiz on: quiz holds 6 and fair play 7.
    QuizWerten = true;
    FairplayWerten = true;
    EXPECT_EQ(sortiere(6), "3 2 1 Spalte");
    EXPECT_EQ(sortiere(7), "2 1 3 Spalte");
    EXPECT_EQ(sortiere(8), "1 3 2 Spalte");

    // Everything shown, comparative army rating hides its column.
    GruppenBeachten = true;
    BemalungWerten = true;
    SonstigesWerten = true;
    ArmeebewertungVergleichend = true;
    EXPECT_EQ(sortiere(6), "2 3 1 Spalte");
    EXPECT_EQ(sortiere(7), "3 2 1 Spalte");
    EXPECT_EQ(sortiere(8), "2 1 3 Spalte");
    EXPECT_EQ(sortiere(9), "3 1 2 Spalte");
    EXPECT_EQ(sortiere(10), "2 3 1 Spalte");
    EXPECT_EQ(sortiere(11), "1 2 3 Wertung");
    ArmeebewertungVergleichend = false;
    EXPECT_EQ(sortiere(9), "1 3 2 Spalte");
    EXPECT_EQ(sortiere(11), "2 3 1 Spalte");

    for (auto& s : Spielerliste)
        EXPECT_EQ(s->Platz, 77) << "column sorts leave Platz alone";
}

TEST_F(WertungTest, GroupSortOnlyForTheWordGruppe) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    a.Gruppe = 2, b.Gruppe = 1, c.Gruppe = 1;
    a.Gesamtwertung = 9, b.Gesamtwertung = 5, c.Gesamtwertung = 7;
    b.Gesamtpunkte = 5, c.Gesamtpunkte = 7;
    SortiereNachGruppe("Gruppe");
    EXPECT_EQ(Reihenfolge(), "3 2 1 ");
    SortiereNachGruppe("gruppe");
    EXPECT_EQ(Reihenfolge(), "1 3 2 ");
    EXPECT_EQ(a.Platz, 0) << "group sort leaves Platz alone";
}
