// The lines of the text, HTML and "T3" exports, compared whole.
#include "core/Exporte.h"
#include "core/T3Export.h"

#include "CoreState.h"
#include "Spielerbau.h"
#include "platform/Errors.h"
#include "translation/Translate.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Zeilen = std::vector<std::string>;

class ExporteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        // The main window registers these headings.
        const std::pair<int, const char*> koepfe[] = {
            {83, "Name "}, {84, "Punkte "}, {85, "Armee "},  {86, "Malen "},     {87, "Quiz "},
            {93, "Fair "}, {92, "Sonst. "}, {90, "Gesamt "}, {91, "Differenz "}, {98, "Armeetyp "}};
        for (const auto& [id, text] : koepfe)
            RegisterText(1, id, text);
    }
    void TearDown() override { ResetCoreState(); }
};

void Ergebnis(int r, int nummer, int punkte, int siegpunkte) {
    FindeSpieler(nummer)->SetPunkte(r, punkte);
    FindeSpieler(nummer)->SetSiegpunkte(r, siegpunkte);
}

// "Bert Bergmann" with every score set, and the deleted "Anna Arm" without an army; rounds 1
// and 2 give 15 and 20 points, and 5 and 0.
void ZweiSpieler() {
    TSpieler& b = SpielerAnlegen(2, "Bert", "Bergmann");
    b.Armee = "Elfen";
    b.Gesamtpunkte = 35, b.Siegpunktdifferenz = 400;
    b.Armeebewertung = 5, b.Bemalung = 3, b.Quiz = 2, b.FairplayGesamt = 4, b.Sonstiges = 1;
    TSpieler& a = SpielerAnlegen(1, "Anna", "Arm");
    a.Geloescht = true;
    a.Gesamtpunkte = 5, a.Siegpunktdifferenz = -400;
    SpielPaaren(1, 1, 2, 1);
    SpielPaaren(2, 1, 2, 1);
    Ergebnis(1, 2, 15, 0), Ergebnis(2, 2, 20, 0), Ergebnis(1, 1, 5, 0), Ergebnis(2, 1, 0, 0);
    b.SetArmeepunkte(1, 2), b.SetArmeepunkte(2, 3);
}

void Sonderwerte(bool an) {
    ArmeebewertungKlassisch = BemalungWerten = QuizWerten = FairplayWerten = SonstigesWerten = an;
}

} // namespace

TEST_F(ExporteTest, RoundTextWritesEachGameOnceWithLineAndTablePieces) {
    EXPECT_TRUE(SpieltagTextZeilen(1).empty());

    for (int n : {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21})
        SpielerAnlegen(n, "Sp", "N" + std::to_string(n));
    FindeSpieler(2)->Vorname = "X"; // a one-letter first name is left out
    SpielPaaren(2, 1, 2, 9);
    Ergebnis(2, 1, 15, 1200), Ergebnis(2, 2, 5, 800);
    SpielPaaren(2, 3, 4, 10);
    SpielPaaren(2, 5, 6, 0);
    FindeSpieler(7)->SetGegner(2, 7); // a bye
    Ergebnis(2, 7, 20, 0);
    FindeSpieler(8)->SetGegner(2, 99); // an opponent who does not exist
    FindeSpieler(9)->SetGegner(1, 1);  // nothing stored for round 2
    for (int n = 10; n <= 20; n += 2)
        SpielPaaren(2, n, n + 1, n == 18 ? 3 : n == 20 ? 11 : 0);

    EXPECT_EQ(SpieltagTextZeilen(2), (Zeilen{
                                         " 1.:( 9)\tSp N1 - N2\t : 15-5\t (1200-800)",
                                         " 2.:(10)\tSp N3 - Sp N4\t : 0-0\t (0-0)",
                                         " 3.:\tSp N5 - Sp N6\t : 0-0\t (0-0)",
                                         " 4.:\tSp N7 - Sp N7\t : 20-20\t (0-0)",
                                         " 5.:\tSp N10 - Sp N11\t : 0-0\t (0-0)",
                                         " 6.:\tSp N12 - Sp N13\t : 0-0\t (0-0)",
                                         " 7.:\tSp N14 - Sp N15\t : 0-0\t (0-0)",
                                         " 8.:\tSp N16 - Sp N17\t : 0-0\t (0-0)",
                                         " 9.:( 3)\tSp N18 - Sp N19\t : 0-0\t (0-0)",
                                         "10.:(11)\tSp N20 - Sp N21\t : 0-0\t (0-0)",
                                     }));
}

TEST_F(ExporteTest, StandingsTextPadsNamesAndListsTheCountedScores) {
    Sonderwerte(false);
    EXPECT_EQ(TabelleTextZeilen(2), Zeilen{"Name  \tPunkte \tGesamt \tDifferenz "});

    ZweiSpieler();
    const std::string kopf = "Name " + std::string(14, ' ') + "\tPunkte \t";
    struct Fall {
        bool sonderwerte;
        int runde;
        Zeilen zeilen;
    };
    const Fall faelle[] = {
        {false,
         2,
         {kopf + "Gesamt \tDifferenz ", "1. Bert Bergmann  \t35 \t35    \t400", "Elfen",
          "2. Anna Arm       \t5 \t5    \t-400", ""}},
        // The comparative army rating is not added in the text export.
        {true,
         1,
         {kopf + "Armee \tMalen \tQuiz \tFair \tSonst. \tGesamt \tDifferenz ",
          "1. Bert Bergmann  \t15 \t5 \t3 \t2 \t4 \t1 \t35    \t400", "Elfen",
          "2. Anna Arm       \t5 \t0 \t0 \t0 \t0 \t0 \t5    \t-400", ""}},
    };
    ArmeebewertungVergleichend = true;
    for (const auto& f : faelle) {
        Sonderwerte(f.sonderwerte);
        EXPECT_EQ(TabelleTextZeilen(f.runde), f.zeilen) << f.sonderwerte;
    }
}

TEST_F(ExporteTest, StandingsHtmlEscapesTextsAndCombinesTheComparativeRating) {
    Sonderwerte(false);
    const Zeilen kopf{"<HTML>",
                      "<HEAD>",
                      "<TITLE>",
                      "</TITLE>",
                      "</HEAD>",
                      "<table>",
                      "<tr>",
                      "<td>Name </td>",
                      "<td>Punkte </td>",
                      "<td>Gesamt </td>",
                      "<td>Differenz </td>",
                      "<td>Armeetyp </td>",
                      "</tr>"};
    const Zeilen ende{"</table>", "</body>", "</html>"};
    Zeilen leer = kopf;
    leer.insert(leer.end(), ende.begin(), ende.end());
    EXPECT_EQ(TabelleHtmlZeilen(1), leer);

    ZweiSpieler();
    FindeSpieler(1)->Name = "O'Neil <b>&\"";
    FindeSpieler(2)->Armee = "<Orks>";
    ArmeebewertungKlassisch = ArmeebewertungVergleichend = true;
    Zeilen erwartet = kopf;
    erwartet.insert(erwartet.begin() + 9, "<td>Armee </td>");
    const Zeilen spieler{"<tr>",
                         "<td>1. Bert Bergmann </td>",
                         "<td>40(35)</td>",
                         "<td>5</td>",
                         "<td>35</td>",
                         "<td>400</td>",
                         "<td>&lt;Orks&gt;</td>",
                         "</tr>",
                         "<tr>",
                         "<td>2. Anna O&#39;Neil &lt;b&gt;&amp;&quot; </td>",
                         "<td>5(5)</td>",
                         "<td>0</td>",
                         "<td>5</td>",
                         "<td>-400</td>",
                         "<td></td>",
                         "</tr>"};
    erwartet.insert(erwartet.end(), spieler.begin(), spieler.end());
    erwartet.insert(erwartet.end(), ende.begin(), ende.end());
    EXPECT_EQ(TabelleHtmlZeilen(2), erwartet);
}

TEST_F(ExporteTest, T3LinesHoldSixteenFieldsWithNeutralLeftEmpty) {
    EXPECT_EQ(T3ExportZeilen(1, {7, 3, 2026}),
              (Zeilen{"#Tuvon-Exportdatei, v1.3.3 Export vom 07.03.2026||x", "#TID-0||x"}));

    ZweiSpieler();
    T3TurnierID = "4711";
    TSpieler& b = *FindeSpieler(2);
    b.T3ID = "123", b.Nickname = "Bb", b.Herkunft = "Neutral", b.Team = "neutral";
    TSpieler& a = *FindeSpieler(1);
    a.T3ID = "", a.Herkunft = "Neutral ", a.Team = "Neutral", a.FairplayGesamt = -1;
    EXPECT_EQ(T3ExportZeilen(1, {31, 12, 2025}),
              (Zeilen{"#Tuvon-Exportdatei, v1.3.3 Export vom 31.12.2025||x", "#TID-4711||x",
                      "123||Bert||Bergmann||Bb||Elfen||||neutral||1||35||15||400||5||3||2||4||1||x",
                      "||Anna||Arm||||||Neutral ||||2||5||5||-400||0||0||0||-1||0||x"}));
}

TEST_F(ExporteTest, T3RefusesValuesThatWouldShiftTheFields) {
    ZweiSpieler();
    const std::pair<std::function<void(TSpieler&)>, std::string> faelle[] = {
        {[](TSpieler& s) { s.Vorname = "Be||rt"; }, "Vorname"},
        {[](TSpieler& s) { s.Armee = "Elfen\r\n"; }, "Armee"},
        {[](TSpieler& s) { s.Team = "Rot||"; }, "Team"},
        {[](TSpieler&) { T3TurnierID = "47||11"; }, "TID"},
    };
    for (const auto& [setzen, feld] : faelle) {
        TSpieler& b = *FindeSpieler(2);
        setzen(b);
        try {
            T3ExportZeilen(1, {});
            ADD_FAILURE() << feld;
        } catch (const TuvonError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find("\"" + feld + "\""), std::string::npos) << text;
            if (feld != "TID") {
                EXPECT_NE(text.find(b.GetName()), std::string::npos) << text;
            }
        }
        b.Vorname = "Bert", b.Armee = "Elfen", b.Team = "Neutral", T3TurnierID = "0";
    }
}
