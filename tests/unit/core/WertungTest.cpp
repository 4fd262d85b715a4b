#include "core/Wertung.h"
#include "core/Teampunkte.h"

#include "CoreState.h"
#include "Testaufbau.h"
#include "platform/Random.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

using namespace testaufbau;

namespace {

class WertungTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }
};

const TTeampunkte& Finde(const TObjectList<TTeampunkte>& liste, const std::string& name) {
    for (const auto& t : liste)
        if (t->Name.str() == name)
            return *t;
    throw std::runtime_error("no aggregate " + name);
}

std::string Reihenfolge() {
    std::string r;
    for (const auto& s : Spielerliste)
        r += std::to_string(s->Startnummer);
    return r;
}

void Werte(int runden, bool alle = false, bool vergleichend = false) {
    BerechneWertung(runden, alle, alle, alle && !vergleichend, vergleichend, alle, alle, alle);
}

} // namespace

TEST_F(WertungTest, WeightedTotalInStepOrderRoundedHalvesToEven) {
    const double faelle[] = {2.5, 2, 3.5, 4, -2.5, -2, -3.5, -4, 2.5000001, 3};
    for (size_t i = 0; i < std::size(faelle); i += 2)
        EXPECT_EQ(RundeHalbGerade(faelle[i]), faelle[i + 1]) << faelle[i];

    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    a.Quiz = 3, a.Armeebewertung = 10, a.Bemalung = 4, a.Sonstiges = 2, a.Fairplay = 1;
    Spiel(a, b, 1, 900, 300, 12, 4);
    Spiel(a, b, 2, 100, 500, 6, 10);
    a.SetSzenariopunkte(1, 2), a.SetArmeepunkte(1, 5), a.SetFairplay(1, 3), a.SetFairplay(2, 2);
    FaktorQuiz = 2, FaktorArmee = 0.5, FaktorBemalung = 3, FaktorSonstige = 10, FaktorFairplay = 4;

    Werte(2);
    EXPECT_EQ(a.Gesamtwertung, 18.0) << "every flag off: round points alone";
    EXPECT_EQ(a.FairplayGesamt, 6);
    Werte(2, true);
    EXPECT_EQ(a.Punktesumme, 20);
    EXPECT_EQ(a.Gesamtwertung, 6 + 5 + 12 + 20 + 20 + 6 * 4);
    // Comparative rating: weighted like round points, not part of Punktesumme.
    Werte(1, false, true);
    EXPECT_EQ(a.Gesamtwertung, 17.0);
    EXPECT_EQ(a.Punktesumme, 12);

    FaktorTurnier = 0.5;
    b.SetPunkte(1, 5), b.SetPunkte(2, 2);
    Werte(1);
    EXPECT_EQ(b.Gesamtpunkte, 2);
    Werte(2);
    EXPECT_EQ(b.Gesamtpunkte, 4);

    // One addition per step, in step order: with these weights any other order of the last
    // five additions changes the last bit.
    Spielerliste.clear();
    TSpieler& c = NeuerSpieler(3);
    c.Quiz = c.Armeebewertung = c.Bemalung = c.Sonstiges = c.Fairplay = 1;
    c.SetPunkte(1, 1);
    FaktorQuiz = 1.1, FaktorArmee = 0.01, FaktorBemalung = 2.2, FaktorSonstige = 0.6;
    FaktorTurnier = 3.3, FaktorFairplay = 0.7;
    Werte(1, true);
    EXPECT_EQ(c.Gesamtwertung, ((((1.1 + 0.01) + 2.2) + 0.6) + 3.3) + 0.7);
    ASSERT_NE(c.Gesamtwertung, ((((1.1 + 0.01) + 2.2) + 3.3) + 0.6) + 0.7);

    // A total beyond the range of int stops at its end.
    c.Quiz = INT_MAX;
    Werte(1, true);
    EXPECT_EQ(c.Gesamtpunkte, INT_MAX);
    c.Quiz = INT_MIN;
    Werte(1, true);
    EXPECT_EQ(c.Gesamtpunkte, INT_MIN);
}

TEST_F(WertungTest, VictoryPointDifferenceOverByesUnpairedAndMissingOpponents) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    Spiel(a, b, 1, 700, 200);
    a.SetGegner(2, 1), a.SetSiegpunkte(2, 400); // bye
    a.SetSiegpunkte(3, 50);                     // unpaired: own points only
    a.SetGegner(4, 99), a.SetSiegpunkte(4, 30); // an opponent no longer in the list
    Werte(12);
    EXPECT_EQ(a.Siegpunktdifferenz, 500 + 50 + 30);
    EXPECT_EQ(b.Siegpunktdifferenz, -500);
    EXPECT_EQ(a.GetRundenAnzahl(), 4) << "scoring must not append rounds";
}

TEST_F(WertungTest, AggregatesSumEveryPlayerIncludingDeletedOnes) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    a.Team = "Rot", b.Team = "Rot ", c.Team = "rot";
    a.Herkunft = " Ulm", b.Herkunft = "Ulm", c.Herkunft = "Bonn";
    a.Armee = "Orks", b.Armee = "Elfen", c.Armee = "Orks";
    c.Geloescht = true;
    a.Quiz = 2, b.Quiz = 5, a.Bemalung = 1, b.Armeebewertung = 3, c.Sonstiges = 4, a.Fairplay = 6;
    Spiel(a, b, 1, 400, 100, 10, 6);
    a.SetArmeepunkte(1, 2);
    c.SetPunkte(1, 9);
    FaktorTurnier = 0.5;

    // Counting flags off, comparative rating on: the special sums are kept anyway.
    for (int lauf = 0; lauf < 2; ++lauf) // a second run rebuilds instead of adding up
        Werte(1, false, true);
    ASSERT_EQ(Teamwertung.size(), 2u) << "a trailing blank joins, case splits";
    ASSERT_EQ(Ortswertung.size(), 2u);
    const TTeampunkte& rot = Finde(Teamwertung, "Rot");
    EXPECT_EQ(rot.Anzahl, 2);
    EXPECT_EQ(rot.SummeQuiz * 1000 + rot.SummeBemalung * 100 + rot.SummeArmee, 7103);
    EXPECT_EQ(rot.SummePunkte, 10 + 2 + 6);
    EXPECT_EQ(rot.SummeFairplay, 6);
    EXPECT_EQ(rot.SummeGesamt, 6 + 3);
    EXPECT_EQ(Finde(Teamwertung, "rot").SummeSonstiges, 4);
    EXPECT_EQ(Finde(Teamwertung, "rot").Gesamt, 4.0) << "4.5 rounds to 4: the rounded total";
    EXPECT_EQ(Finde(Ortswertung, "Ulm").Anzahl, 2);
    EXPECT_EQ(Finde(Armeewertung, "Orks").SummeDifferenz, 300);
    EXPECT_EQ(Finde(Armeewertung, "Orks").SummePunkte, 12 + 9);
}

TEST_F(WertungTest, RandomTotalsForEveryPlayerFromTheSeededGenerator) {
    for (int i = 1; i <= 20; ++i)
        NeuerSpieler(i).Geloescht = (i % 5 == 0);
    auto ziehe = [] {
        SeedRandom(99);
        SetzeZufallswerte();
        std::set<int> werte;
        for (const auto& s : Spielerliste) {
            EXPECT_TRUE(s->Gesamtpunkte >= 0 && s->Gesamtpunkte <= 9999);
            EXPECT_EQ(s->Gesamtwertung, s->Gesamtpunkte);
            werte.insert(s->Gesamtpunkte);
        }
        return werte;
    };
    const std::set<int> erste = ziehe();
    EXPECT_GT(erste.size(), 10u);
    EXPECT_EQ(ziehe(), erste);
}

TEST_F(WertungTest, StandingsAndColumnSortsUseTheirTwoKeys) {
    TSpieler& a = NeuerSpieler(1);
    TSpieler& b = NeuerSpieler(2);
    TSpieler& c = NeuerSpieler(3);
    a.Gesamtwertung = 10.3, b.Gesamtwertung = 10.4, c.Gesamtwertung = 10.3;
    a.Siegpunktdifferenz = -20, c.Siegpunktdifferenz = 50;
    SortiereTabelle();
    EXPECT_EQ(Reihenfolge(), "231");
    EXPECT_EQ(b.Platz * 100 + c.Platz * 10 + a.Platz, 123);

    // Each column sort: its field (the group ascending), then the rounded total descending.
    struct Fall {
        int (*vergleich)(const TSpieler&, const TSpieler&);
        int TSpieler::*feld;
        bool aufsteigend;
    };
    for (const Fall& f : {Fall{VergleicheQuiz, &TSpieler::Quiz, false},
                          {VergleicheGruppe, &TSpieler::Gruppe, true},
                          {VergleicheBemalung, &TSpieler::Bemalung, false},
                          {VergleicheArmee, &TSpieler::Armeebewertung, false},
                          {VergleicheFairplay, &TSpieler::FairplayGesamt, false},
                          {VergleicheSonstiges, &TSpieler::Sonstiges, false},
                          {VergleicheSiegpunktdifferenz, &TSpieler::Siegpunktdifferenz, false},
                          {VergleichePunkte, &TSpieler::Punktesumme, false}}) {
        TSpieler x, y;
        x.Gesamtpunkte = 1, y.Gesamtpunkte = 2, x.Gesamtwertung = 9;
        // VergleichePunkte breaks ties by the difference instead.
        y.Siegpunktdifferenz = f.vergleich == VergleichePunkte ? 1 : 0;
        EXPECT_GT(f.vergleich(x, y), 0);
        x.*f.feld = 13, y.*f.feld = 12;
        EXPECT_EQ(f.vergleich(x, y) < 0, !f.aufsteigend);
    }

    // Names by character codes: upper case before lower, Ä (0xC4) after every ASCII letter.
    TSpieler x, y;
    x.Name = "Berg", y.Name = "adler";
    EXPECT_LT(VergleicheName(x, y), 0);
    x.Name = "\xC4rger", y.Name = "Zorn";
    EXPECT_GT(VergleicheName(x, y), 0);
}

TEST_F(WertungTest, ColumnSortNumbersOnlyTheShownOptionalColumns) {
    TSpieler& a = NeuerSpieler(1, "Cez");
    TSpieler& b = NeuerSpieler(2, "Abt");
    TSpieler& c = NeuerSpieler(3, "Bex");
    a.Gesamtwertung = 30, b.Gesamtwertung = 20, c.Gesamtwertung = 10;
    a.Punktesumme = 1, b.Punktesumme = 3, c.Punktesumme = 2;
    a.Siegpunktdifferenz = 2, b.Siegpunktdifferenz = 1, c.Siegpunktdifferenz = 3;
    a.Gruppe = 3, b.Gruppe = 1, c.Gruppe = 2;
    a.Quiz = 1, b.Quiz = 2, c.Quiz = 3;
    a.FairplayGesamt = 2, b.FairplayGesamt = 3, c.FairplayGesamt = 1;
    a.Armeebewertung = 3, b.Armeebewertung = 1, c.Armeebewertung = 2;
    a.Bemalung = 2, b.Bemalung = 1, c.Bemalung = 3;
    a.Sonstiges = 1, b.Sonstiges = 3, c.Sonstiges = 2;
    a.Platz = b.Platz = c.Platz = 7;

    auto sortiere = [](int spalte) {
        SortierSpalte = spalte;
        const bool spaltensortierung = SortiereNachSpalte();
        return Reihenfolge() + (spaltensortierung ? " Spalte" : " Wertung");
    };
    EXPECT_EQ(sortiere(3), "231 Spalte");
    EXPECT_EQ(sortiere(4), "231 Spalte");
    EXPECT_EQ(sortiere(5), "312 Spalte");
    EXPECT_EQ(sortiere(2), "123 Wertung");
    // Built-in options: only the classic army rating is shown, as column 6.
    EXPECT_EQ(sortiere(6), "132 Spalte");
    EXPECT_EQ(sortiere(7), "123 Wertung");
    // Groups off, quiz on: quiz holds 6 and fair play 7.
    QuizWerten = FairplayWerten = true;
    EXPECT_EQ(sortiere(7), "213 Spalte");
    // Everything shown but the army rating, which the comparative rating hides.
    GruppenBeachten = BemalungWerten = SonstigesWerten = ArmeebewertungVergleichend = true;
    const char* erwartet[] = {"231 Spalte", "321 Spalte", "213 Spalte",
                              "312 Spalte", "231 Spalte", "123 Wertung"};
    for (int spalte = 6; spalte <= 11; ++spalte)
        EXPECT_EQ(sortiere(spalte), erwartet[spalte - 6]) << spalte;
    EXPECT_EQ(a.Platz + b.Platz + c.Platz, 21) << "column sorts leave Platz alone";

    SortiereNachGruppe("Gruppe");
    EXPECT_EQ(Reihenfolge(), "231");
    SortiereNachGruppe("gruppe");
    EXPECT_EQ(Reihenfolge(), "123");
}
