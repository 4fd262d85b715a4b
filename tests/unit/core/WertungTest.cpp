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

TEST_F(WertungTest, WeightsInStepOrderAndRoundsHalvesToEven) {
    for (auto [x, r] : {std::pair{2.5, 2.0},
                        {3.5, 4.0},
                        {0.5, 0.0},
                        {-2.5, -2.0},
                        {-3.5, -4.0},
                        {2.4999999, 2.0},
                        {2.5000001, 3.0},
                        {-1.2, -1.0}})
        EXPECT_EQ(RundeHalbGerade(x), r) << x;

    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    a.Quiz = 3, a.Armeebewertung = 10, a.Bemalung = 4, a.Sonstiges = 2, a.Fairplay = 1;
    Spiel(a, b, 1, 900, 300, 12, 4);
    Spiel(a, b, 2, 100, 500, 6, 10);
    a.SetSzenariopunkte(1, 2), a.SetSzenariopunkte(2, 1);
    a.SetArmeepunkte(1, 5), a.SetArmeepunkte(2, 7);
    a.SetFairplay(1, 3), a.SetFairplay(2, 2);
    FaktorQuiz = 2, FaktorArmee = 0.5, FaktorBemalung = 3, FaktorSonstige = 10;
    FaktorFairplay = 4;

    BerechneWertung(2, false, false, false, false, false, false, false);
    EXPECT_EQ(a.Gesamtwertung, 18.0) << "every flag off: round points alone";
    EXPECT_EQ(a.FairplayGesamt, 6);
    EXPECT_EQ(a.Siegpunktdifferenz, 900 - 300 + 100 - 500);

    BerechneWertung(2, true, true, true, false, true, true, true);
    EXPECT_EQ(a.Punktesumme, 21);
    EXPECT_EQ(a.Gesamtwertung, 3 * 2 + 10 * 0.5 + 4 * 3 + 2 * 10 + 21 + 6 * 4);
    EXPECT_EQ(a.Gesamtpunkte, 88);

    // Comparative rating: weighted like round points, not part of Punktesumme.
    BerechneWertung(1, false, false, false, true, false, false, false);
    EXPECT_EQ(a.Gesamtwertung, 17.0);
    EXPECT_EQ(a.Punktesumme, 12);
    EXPECT_EQ(a.Siegpunktdifferenz, 600);

    // Totals of 2.5 and 3.5.
    FaktorTurnier = 0.5;
    b.SetPunkte(1, 5), b.SetPunkte(2, 2);
    BerechneWertung(1, false, false, false, false, false, false, false);
    EXPECT_EQ(b.Gesamtpunkte, 2);
    BerechneWertung(2, false, false, false, false, false, false, false);
    EXPECT_EQ(b.Gesamtwertung, 3.5);
    EXPECT_EQ(b.Gesamtpunkte, 4);

    // (0.1 + 0.2) + 0.3 differs from 0.1 + (0.2 + 0.3) in the last bit.
    Spielerliste.clear();
    TSpieler& c = NeuerSpieler(3);
    c.Quiz = 1, c.Armeebewertung = 1;
    c.SetPunkte(1, 1);
    FaktorQuiz = 0.1, FaktorArmee = 0.2, FaktorTurnier = 0.3;
    BerechneWertung(1, true, false, true, false, false, false, false);
    ASSERT_NE((0.1 + 0.2) + 0.3, 0.1 + (0.2 + 0.3));
    EXPECT_EQ(c.Gesamtwertung, (0.1 + 0.2) + 0.3);
}

TEST_F(WertungTest, VictoryPointDifferenceOverByesUnpairedAndMissingOpponents) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    Spiel(a, b, 1, 700, 200);
    a.SetGegner(2, 1); // bye
    a.SetSiegpunkte(2, 400);
    a.SetSiegpunkte(3, 50); // unpaired: own points only
    a.SetGegner(4, 99);     // an opponent no longer in the list
    a.SetSiegpunkte(4, 30);
    BerechneWertung(12, false, false, false, false, false, false, false);
    EXPECT_EQ(a.Siegpunktdifferenz, 500 + 0 + 50 + 30);
    EXPECT_EQ(b.Siegpunktdifferenz, -500);
    EXPECT_EQ(a.GetRundenAnzahl(), 4) << "scoring must not append rounds";
    BerechneWertung(0, false, false, false, false, false, false, false);
    EXPECT_EQ(a.Siegpunktdifferenz, 0);
}

TEST_F(WertungTest, AggregatesSumEveryPlayerIncludingDeletedOnes) {
    BerechneWertung(3, true, true, true, false, true, true, true);
    EXPECT_TRUE(Teamwertung.empty() && Ortswertung.empty() && Armeewertung.empty());

    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    a.Team = "Rot", b.Team = "Rot ", c.Team = "rot";
    a.Herkunft = " Ulm", b.Herkunft = "Ulm", c.Herkunft = "Bonn";
    a.Armee = "Orks", b.Armee = "Elfen", c.Armee = "Orks";
    c.Geloescht = true;
    a.Quiz = 2, b.Quiz = 5, c.Quiz = 7;
    a.Bemalung = 1, b.Armeebewertung = 3, c.Sonstiges = 4, a.Fairplay = 6;
    Spiel(a, b, 1, 400, 100, 10, 6);
    a.SetArmeepunkte(1, 2);
    c.SetPunkte(1, 9);
    FaktorTurnier = 0.5;

    // Counting flags off, comparative rating on: the special sums are kept anyway.
    for (int lauf = 0; lauf < 2; ++lauf) // a second run rebuilds instead of adding up
        BerechneWertung(1, false, false, false, true, false, false, false);
    ASSERT_EQ(Teamwertung.size(), 2u) << "a trailing blank joins, case splits";
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
    EXPECT_EQ(rot->SummeGesamt, 6 + 3);
    EXPECT_EQ(rot->Gesamt, 9.0);
    const TTeampunkte* klein = Finde(Teamwertung, "rot");
    ASSERT_NE(klein, nullptr);
    EXPECT_EQ(klein->SummeSonstiges, 4);
    EXPECT_EQ(klein->SummeGesamt, 4) << "4.5 rounds to 4";
    EXPECT_EQ(klein->Gesamt, 4.0) << "the rounded total, not the exact one";
    ASSERT_NE(Finde(Ortswertung, "Ulm"), nullptr);
    EXPECT_EQ(Finde(Ortswertung, "Ulm")->Anzahl, 2);
    const TTeampunkte* orks = Finde(Armeewertung, "Orks");
    ASSERT_NE(orks, nullptr);
    EXPECT_EQ(orks->Anzahl, 2);
    EXPECT_EQ(orks->SummeDifferenz, 300);
    EXPECT_EQ(orks->SummePunkte, 12 + 9);
}

TEST_F(WertungTest, RandomTotalsForEveryPlayerFromTheSeededGenerator) {
    SetzeZufallswerte(); // empty field
    for (int i = 1; i <= 20; ++i)
        NeuerSpieler(i).Geloescht = (i % 5 == 0);
    auto ziehe = [] {
        SeedRandom(99);
        SetzeZufallswerte();
        std::vector<int> werte;
        for (const auto& s : Spielerliste) {
            EXPECT_TRUE(s->Gesamtpunkte >= 0 && s->Gesamtpunkte <= 9999);
            EXPECT_EQ(s->Gesamtwertung, s->Gesamtpunkte);
            werte.push_back(s->Gesamtpunkte);
        }
        return werte;
    };
    const std::vector<int> erste = ziehe();
    EXPECT_GT(std::set<int>(erste.begin(), erste.end()).size(), 10u);
    EXPECT_EQ(ziehe(), erste);
}

TEST_F(WertungTest, StandingsAndCompareOperationsUseTheirTwoKeys) {
    SortiereTabelle(); // empty field
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    TSpieler& d = NeuerSpieler(4);
    a.Gesamtwertung = 10.3, b.Gesamtwertung = 10.4, c.Gesamtwertung = 10.3;
    a.Siegpunktdifferenz = -20, c.Siegpunktdifferenz = 50;
    d.Gesamtwertung = -1, d.Geloescht = true;
    SortiereTabelle();
    EXPECT_EQ(Reihenfolge(), "2 3 1 4 ");
    EXPECT_EQ(b.Platz * 1000 + c.Platz * 100 + a.Platz * 10 + d.Platz, 1234);

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
        {VergleichePunkte, &TSpieler::Punktesumme, false},
    };
    for (const Fall& f : faelle) {
        TSpieler x, y;
        x.Gesamtpunkte = 1, y.Gesamtpunkte = 2;
        x.Gesamtwertung = 9; // never read by the column sorts
        x.Siegpunktdifferenz = y.Siegpunktdifferenz = 5;
        if (f.vergleich == VergleichePunkte)
            y.Siegpunktdifferenz = 6; // its second key is the difference
        EXPECT_GT(f.vergleich(x, y), 0);
        x.*f.feld = 13, y.*f.feld = 12;
        EXPECT_EQ(f.vergleich(x, y) < 0, !f.aufsteigend);
        EXPECT_EQ(f.vergleich(y, x) < 0, f.aufsteigend);
        y.Siegpunktdifferenz = x.Siegpunktdifferenz, y.Gesamtpunkte = 1, y.*f.feld = 13;
        EXPECT_EQ(f.vergleich(x, y), 0);
    }

    // Names by character codes: upper case before lower, Ä (0xC4) after every ASCII letter, a
    // single-letter first name left out.
    TSpieler x, y;
    x.Name = "Berg", y.Name = "adler";
    EXPECT_LT(VergleicheName(x, y), 0);
    x.Name = "\xC4rger", y.Name = "Zorn";
    EXPECT_GT(VergleicheName(x, y), 0);
    x.Name = "Zorn", x.Vorname = "Anna", y.Vorname = "A";
    EXPECT_LT(VergleicheName(x, y), 0);
    y.Vorname = "Anna";
    EXPECT_EQ(VergleicheName(x, y), 0);
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
    a.Platz = b.Platz = c.Platz = 77;

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
    QuizWerten = FairplayWerten = true;
    EXPECT_EQ(sortiere(6), "3 2 1 Spalte");
    EXPECT_EQ(sortiere(7), "2 1 3 Spalte");
    // Everything shown but the army rating, which the comparative rating hides.
    GruppenBeachten = BemalungWerten = SonstigesWerten = ArmeebewertungVergleichend = true;
    const char* erwartet[] = {"2 3 1 Spalte", "3 2 1 Spalte", "2 1 3 Spalte",
                              "3 1 2 Spalte", "2 3 1 Spalte", "1 2 3 Wertung"};
    for (int spalte = 6; spalte <= 11; ++spalte)
        EXPECT_EQ(sortiere(spalte), erwartet[spalte - 6]) << spalte;
    ArmeebewertungVergleichend = false;
    EXPECT_EQ(sortiere(9), "1 3 2 Spalte");
    EXPECT_EQ(sortiere(11), "2 3 1 Spalte");
    EXPECT_EQ(a.Platz + b.Platz + c.Platz, 3 * 77) << "column sorts leave Platz alone";

    // Group sort only for the exact word.
    a.Gruppe = 2, b.Gruppe = 1, c.Gruppe = 1;
    SortiereNachGruppe("Gruppe");
    EXPECT_EQ(Reihenfolge(), "2 3 1 ");
    SortiereNachGruppe("gruppe");
    EXPECT_EQ(Reihenfolge(), "1 2 3 ");
    EXPECT_EQ(a.Platz, 77);
}
