// The lines of the text, HTML and "T3" exports, compared whole (one "\n" between lines).
#include "core/Exporte.h"
#include "core/T3Export.h"

#include "CoreState.h"
#include "Spielerbau.h"
#include "platform/Errors.h"
#include "translation/Translate.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

std::string Text(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen)
        text += z + "\n";
    return text;
}

class ExporteTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The main window registers these headings.
        const std::pair<int, const char*> koepfe[] = {
            {83, "Name "}, {84, "Punkte "}, {85, "Armee "},  {86, "Malen "},     {87, "Quiz "},
            {93, "Fair "}, {92, "Sonst. "}, {90, "Gesamt "}, {91, "Differenz "}, {98, "Armeetyp "}};
        for (const auto& [id, text] : koepfe)
            RegisterText(1, id, text);
    }
    FrischerZustand zustand;
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

    SpielerAnlegen(2, "X", "N2"); // a one-letter first name is left out; the game is at 1's side
    for (int n = 1; n <= 21; ++n)
        if (n != 2)
            SpielerAnlegen(n, "Sp", "N" + std::to_string(n));
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

    EXPECT_EQ(Text(SpieltagTextZeilen(2)), " 1.:( 9)\tSp N1 - N2\t : 15-5\t (1200-800)\n"
                                           " 2.:(10)\tSp N3 - Sp N4\t : 0-0\t (0-0)\n"
                                           " 3.:\tSp N5 - Sp N6\t : 0-0\t (0-0)\n"
                                           " 4.:\tSp N7 - Sp N7\t : 20-20\t (0-0)\n"
                                           " 5.:\tSp N10 - Sp N11\t : 0-0\t (0-0)\n"
                                           " 6.:\tSp N12 - Sp N13\t : 0-0\t (0-0)\n"
                                           " 7.:\tSp N14 - Sp N15\t : 0-0\t (0-0)\n"
                                           " 8.:\tSp N16 - Sp N17\t : 0-0\t (0-0)\n"
                                           " 9.:( 3)\tSp N18 - Sp N19\t : 0-0\t (0-0)\n"
                                           "10.:(11)\tSp N20 - Sp N21\t : 0-0\t (0-0)\n");
}

TEST_F(ExporteTest, StandingsTextPadsNamesAndListsTheCountedScores) {
    Sonderwerte(false);
    EXPECT_EQ(Text(TabelleTextZeilen(2)), "Name  \tPunkte \tGesamt \tDifferenz \n");

    ZweiSpieler();
    ArmeebewertungVergleichend = true; // not added in the text export
    EXPECT_EQ(Text(TabelleTextZeilen(2)), "Name               \tPunkte \tGesamt \tDifferenz \n"
                                          "1. Bert Bergmann  \t35 \t35    \t400\nElfen\n"
                                          "2. Anna Arm       \t5 \t5    \t-400\n\n");
    Sonderwerte(true);
    EXPECT_EQ(Text(TabelleTextZeilen(1)),
              "Name               \tPunkte \tArmee \tMalen \tQuiz \tFair \tSonst. \tGesamt \t"
              "Differenz \n"
              "1. Bert Bergmann  \t15 \t5 \t3 \t2 \t4 \t1 \t35    \t400\nElfen\n"
              "2. Anna Arm       \t5 \t0 \t0 \t0 \t0 \t0 \t5    \t-400\n\n");
}

TEST_F(ExporteTest, StandingsHtmlEscapesTextsAndCombinesTheComparativeRating) {
    Sonderwerte(false);
    const std::string kopf = "<HTML>\n<HEAD>\n<TITLE>\n</TITLE>\n</HEAD>\n<table>\n<tr>\n"
                             "<td>Name </td>\n<td>Punkte </td>\n";
    const std::string ende = "</table>\n</body>\n</html>\n";
    EXPECT_EQ(Text(TabelleHtmlZeilen(1)),
              kopf + "<td>Gesamt </td>\n<td>Differenz </td>\n<td>Armeetyp </td>\n</tr>\n" + ende);

    ZweiSpieler();
    FindeSpieler(1)->Name = "O'Neil <b>&\"";
    FindeSpieler(2)->Armee = "<Orks>";
    ArmeebewertungKlassisch = ArmeebewertungVergleichend = true;
    EXPECT_EQ(Text(TabelleHtmlZeilen(2)),
              kopf +
                  "<td>Armee </td>\n<td>Gesamt </td>\n<td>Differenz </td>\n<td>Armeetyp </td>\n"
                  "</tr>\n"
                  "<tr>\n<td>1. Bert Bergmann </td>\n<td>40(35)</td>\n<td>5</td>\n<td>35</td>\n"
                  "<td>400</td>\n<td>&lt;Orks&gt;</td>\n</tr>\n"
                  "<tr>\n<td>2. Anna O&#39;Neil &lt;b&gt;&amp;&quot; </td>\n<td>5(5)</td>\n"
                  "<td>0</td>\n<td>5</td>\n<td>-400</td>\n<td></td>\n</tr>\n" +
                  ende);
}

TEST_F(ExporteTest, T3LinesHoldSixteenFieldsWithNeutralLeftEmpty) {
    EXPECT_EQ(Text(T3ExportZeilen(1, {7, 3, 2026})),
              "#Tuvon-Exportdatei, v1.3.3 Export vom 07.03.2026||x\n#TID-0||x\n");

    ZweiSpieler();
    T3TurnierID = "4711";
    TSpieler& b = *FindeSpieler(2);
    b.T3ID = "123", b.Nickname = "Bb", b.Herkunft = "Neutral", b.Team = "neutral";
    TSpieler& a = *FindeSpieler(1);
    a.T3ID = "", a.Herkunft = "Neutral ", a.Team = "Neutral", a.FairplayGesamt = -1;
    EXPECT_EQ(Text(T3ExportZeilen(1, {31, 12, 2025})),
              "#Tuvon-Exportdatei, v1.3.3 Export vom 31.12.2025||x\n#TID-4711||x\n"
              "123||Bert||Bergmann||Bb||Elfen||||neutral||1||35||15||400||5||3||2||4||1||x\n"
              "||Anna||Arm||||||Neutral ||||2||5||5||-400||0||0||0||-1||0||x\n");
}

TEST_F(ExporteTest, T3RefusesValuesThatWouldShiftTheFields) {
    ZweiSpieler();
    const std::pair<std::function<void(TSpieler&)>, std::string> faelle[] = {
        {[](TSpieler& s) { s.Vorname = "Be||rt"; }, "Vorname"},
        {[](TSpieler& s) { s.Armee = "Elfen\r\n"; }, "Armee"},
        {[](TSpieler& s) { s.Team = "Rot|"; }, "Team"},
        {[](TSpieler& s) { s.Name = "|Berg"; }, "Name"},
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
        b.Vorname = "Bert", b.Name = "Bergmann", b.Armee = "Elfen", b.Team = "Neutral";
        T3TurnierID = "0";
    }
}
