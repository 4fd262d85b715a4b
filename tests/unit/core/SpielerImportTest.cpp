#include "core/SpielerImport.h"
#include "core/Data.h"
#include "platform/Errors.h"
#include "translation/Translate.h"

#include "CoreState.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "Testaufbau.h"

#include <gtest/gtest.h>

namespace {

class SpielerImport : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }

    std::filesystem::path Datei(const std::string& inhalt) {
        const auto pfad = dir / "import.tvi";
        WriteBytes(pfad, inhalt);
        return pfad;
    }

    static TSpieler& Spieler(std::size_t i) { return *Spielerliste.at(i); }

    static void NeuerSpieler(int nummer, const std::string& vorname, const std::string& name) {
        testaufbau::NeuerSpieler(nummer, name).Vorname = vorname;
    }

    // The fields a line fills, in file order.
    static std::string Felder(const TSpieler& s) {
        return s.T3ID.str() + "|" + s.Vorname.str() + "|" + s.Name.str() + "|" + s.Nickname.str() +
               "|" + s.Armee.str() + "|" + s.Herkunft.str() + "|" + s.Team.str() + "|" +
               std::to_string(s.ArmeelisteStatus) + "|" + std::to_string(s.Armeebewertung) + "|" +
               (s.Bezahlt ? "1" : "0") + "|" + s.T3Zusatz.str();
    }

    TempDir dir;
    RecordingMessages messages;
};

TEST_F(SpielerImport, TakesTitleIdAndEveryFieldOfEachLine) {
    NeuerSpieler(1, "Alt", "Eins");
    NeuerSpieler(5, "Alt", "Zwei");
    // Blanks and control characters around the version do not count.
    const auto datei =
        Datei(" \t\x01v1.3.3 \x1f\r\nFr\xfchjahrsturnier\r\nT-77\r\n2\r\n"
              "501||Anna||M\xfcller||Ax||Orks||Hamburg||Rot||3||120||1||zus||mehr||\r\n"
              "502||Bo||Berg||||Elfen||HB||Blau||0||||0||Z2||\r\n"
              "nicht mehr gelesen||x||y||z||a||b||c||kein int||\r\n");
    ImportiereSpieler(datei);

    EXPECT_EQ(messages.shown.size(), 0u);
    EXPECT_EQ(Turniername.str(), "Fr\xfchjahrsturnier");
    EXPECT_EQ(T3TurnierID.str(), "T-77");
    ASSERT_EQ(Spielerliste.size(), 4u);
    EXPECT_EQ(Spieler(2).Startnummer, 3) << "first free number from the count plus one";
    EXPECT_EQ(Felder(Spieler(2)), "501|Anna|M\xfcller|Ax|Orks|Hamburg|Rot|3|120|1|zus");
    EXPECT_EQ(Spieler(3).Startnummer, 4);
    EXPECT_EQ(Felder(Spieler(3)), "502|Bo|Berg||Elfen|HB|Blau|0|0|0|Z2")
        << "an empty rating field leaves 0";
}

TEST_F(SpielerImport, ShortFieldsAndMissingSeparatorsKeepTheDefaults) {
    const auto datei = Datei("v1.3.3\r\nT\r\n1\r\n3\r\n"
                             "1||Ulf||Ohm||N||Zwerge||H||R||1||5||2\r\n"
                             "2||Eva||Eck\r\n"
                             "3||Udo||Elm||||||Ki||Bo||0||||2||\r\n");
    ImportiereSpieler(datei);
    ASSERT_EQ(Spielerliste.size(), 3u);
    // One character is no origin or team, two are; a field without "||" behind it is not read;
    // any number but 0 means paid.
    EXPECT_EQ(Felder(Spieler(0)), "1|Ulf|Ohm|N|Zwerge|Neutral|Neutral|1|5|0| ");
    EXPECT_EQ(Felder(Spieler(1)), "2|Eva||||Neutral|Neutral|0|0|0| ");
    EXPECT_EQ(Felder(Spieler(2)), "3|Udo|Elm|||Ki|Bo|0|0|1| ");
}

TEST_F(SpielerImport, LongFieldsAreCutToTheirWidths) {
    const std::string lang(60, 'x');
    const auto datei = Datei("v1.3.3\r\n" + lang + "\r\n" + lang + "\r\n1\r\n" + lang + "||" +
                             lang + "||" + lang + "||" + lang + "||" + lang + "||" + lang + "||" +
                             lang + "||0||0||0||" + lang + "||\r\n");
    ImportiereSpieler(datei);
    const TSpieler& s = Spieler(0);
    EXPECT_EQ((std::vector<std::size_t>{Turniername.size(), T3TurnierID.size(), s.T3ID.size(),
                                        s.Vorname.size(), s.Name.size(), s.Nickname.size(),
                                        s.Armee.size(), s.Herkunft.size(), s.Team.size(),
                                        s.T3Zusatz.size()}),
              (std::vector<std::size_t>{50, 30, 30, 45, 45, 30, 30, 20, 30, 10}));
}

TEST_F(SpielerImport, TakenDisplayNamesGetANumberBehindTheSurname) {
    NeuerSpieler(1, "Anna", "Berg");
    NeuerSpieler(2, "M", "Ohm");
    const auto datei = Datei("v1.3.3\r\nT\r\n1\r\n4\r\n"
                             "||Anna||Berg||\r\n"
                             "||Anna||Berg||\r\n"
                             "||X||Ohm||\r\n"
                             "||Ann||Berg||\r\n");
    ImportiereSpieler(datei);
    ASSERT_EQ(Spielerliste.size(), 6u);
    EXPECT_EQ(Spieler(2).Name.str(), "Berg 1");
    EXPECT_EQ(Spieler(3).Name.str(), "Berg 2") << "the number follows the surname as read";
    EXPECT_EQ(Spieler(4).Name.str(), "Ohm 1") << "one-letter first names are not shown";
    EXPECT_EQ(Spieler(5).Name.str(), "Berg");
}

TEST_F(SpielerImport, AFullWidthSurnameStillGetsItsNumber) {
    const std::string name(50, 'n');
    const auto datei = Datei("v1.3.3\r\nT\r\n1\r\n3\r\n||Li||" + name + "||\r\n||Li||" + name +
                             "||\r\n||Li||" + name + "||\r\n");
    ImportiereSpieler(datei);
    ASSERT_EQ(Spielerliste.size(), 3u);
    EXPECT_EQ(Spieler(0).Name.str(), std::string(45, 'n'));
    EXPECT_EQ(Spieler(1).Name.str(), std::string(43, 'n') + " 1");
    EXPECT_EQ(Spieler(2).Name.str(), std::string(43, 'n') + " 2");
}

TEST_F(SpielerImport, AWrongVersionShowsTheLineAsReadAndChangesNothing) {
    NeuerSpieler(1, "Anna", "Berg");
    Turniername = "vorher";
    const auto datei = Datei(" v1.3.3x\r\nT\r\n1\r\n1\r\n||A||B||\r\n");
    ImportiereSpieler(datei);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, RecordedMessage::Message);
    EXPECT_EQ(messages.shown[0].caption, "Halvener Paarungs Programm");
    EXPECT_EQ(messages.shown[0].text, "Dateiversion passt nicht zu dieser Tuvo Version!\r\n"
                                      "Dateiversion ist:  v1.3.3x\r\n"
                                      "Erwartete Version ist: v1.3.3\r\n"
                                      "Abbruch!");
    EXPECT_EQ(Turniername.str(), "vorher");
    EXPECT_EQ(Spielerliste.size(), 1u);

    ImportiereSpieler(Datei(""));
    EXPECT_EQ(messages.shown.size(), 2u) << "an empty file is no import file either";

    // The texts come from the text table, as the language in use has them.
    for (int id : {1, 2, 3, 4, 8})
        SetTranslation(7, id, "<" + std::to_string(id) + ">");
    UseOriginal = false;
    ImportiereSpieler(Datei("v1.3\r\n"));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].caption, "<8>");
    EXPECT_EQ(messages.shown[2].text, "<1>\r\n<2>v1.3\r\n<3>v1.3.3\r\n<4>");
}

TEST_F(SpielerImport, BadNumbersEndTheImportKeepingWhatWasReadBefore) {
    EXPECT_THROW(ImportiereSpieler(Datei("v1.3.3\r\nTitel\r\nID\r\nzwei\r\n")), EConvertError);
    EXPECT_EQ(Turniername.str(), "Titel");
    EXPECT_EQ(T3TurnierID.str(), "ID");
    EXPECT_TRUE(Spielerliste.empty());

    for (const char* falsch :
         {"||A||B||||||||||x||", "||A||B||||||||||0||y||", "||A||B||||||||||0||0||z||"}) {
        ResetCoreState();
        const auto datei = Datei(std::string("v1.3.3\r\nT\r\n1\r\n3\r\n||Gut||Eins||\r\n") +
                                 falsch + "\r\n||Gut||Drei||\r\n");
        EXPECT_THROW(ImportiereSpieler(datei), EConvertError) << falsch;
        ASSERT_EQ(Spielerliste.size(), 1u) << falsch;
        EXPECT_EQ(Spieler(0).Name.str(), "Eins");
    }
}

TEST_F(SpielerImport, AFileShorterThanItsCountKeepsThePlayersAndSaysSo) {
    const auto datei = Datei("v1.3.3\r\nT\r\n1\r\n5\r\n||A||Eins||\r\n||B||Zwei||\r\n");
    try {
        ImportiereSpieler(datei);
        FAIL() << "an incomplete file must not pass silently";
    } catch (const EFileFormatError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("2 von 5"), std::string::npos) << text;
        EXPECT_NE(text.find(datei.string()), std::string::npos) << text;
    }
    ASSERT_EQ(Spielerliste.size(), 2u);
    EXPECT_EQ(Spieler(1).Name.str(), "Zwei");
}

TEST_F(SpielerImport, ACountOfZeroTakesOnlyTitleAndId) {
    ImportiereSpieler(Datei("v1.3.3\r\nNur Titel\r\n42\r\n0\r\n||A||B||\r\n"));
    EXPECT_EQ(Turniername.str(), "Nur Titel");
    EXPECT_EQ(T3TurnierID.str(), "42");
    EXPECT_TRUE(Spielerliste.empty());
    EXPECT_THROW(ImportiereSpieler(dir / "fehlt.tvi"), EInOutError);
}

} // namespace
