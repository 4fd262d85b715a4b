#include "core/SpielerImport.h"
#include "core/Data.h"
#include "platform/Errors.h"
#include "translation/Translate.h"

#include "CoreState.h"
#include "RecordingMessages.h"
#include "TempDir.h"

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
        auto s = std::make_unique<TSpieler>();
        s->Startnummer = nummer;
        s->Vorname = vorname;
        s->Name = name;
        Spielerliste.push_back(std::move(s));
    }

    TempDir dir;
    RecordingMessages messages;
};

TEST_F(SpielerImport, TakesTitleIdAndEveryFieldOfEachLine) {
    NeuerSpieler(1, "Alt", "Eins");
    NeuerSpieler(5, "Alt", "Zwei");
    const auto datei =
        Datei("v1.3.3  \r\nFr\xfchjahrsturnier\r\nT-77\r\n2\r\n"
              "501||Anna||M\xfcller||Ax||Orks||Hamburg||Rot||3||120||1||zus||mehr||\r\n"
              "502||Bo||Berg||||Elfen||HB||Blau||0||||0||Z2||\r\n"
              "nicht mehr gelesen||x||y||z||a||b||c||kein int||\r\n");
    ImportiereSpieler(datei);

    EXPECT_EQ(messages.shown.size(), 0u);
    EXPECT_EQ(Turniername.str(), "Fr\xfchjahrsturnier");
    EXPECT_EQ(T3TurnierID.str(), "T-77");
    ASSERT_EQ(Spielerliste.size(), 4u);

    const TSpieler& a = Spieler(2);
    EXPECT_EQ(a.Startnummer, 3) << "first free number from the count plus one";
    EXPECT_EQ(a.T3ID.str(), "501");
    EXPECT_EQ(a.Vorname.str(), "Anna");
    EXPECT_EQ(a.Name.str(), "M\xfcller");
    EXPECT_EQ(a.Nickname.str(), "Ax");
    EXPECT_EQ(a.Armee.str(), "Orks");
    EXPECT_EQ(a.Herkunft.str(), "Hamburg");
    EXPECT_EQ(a.Team.str(), "Rot");
    EXPECT_EQ(a.ArmeelisteStatus, 3);
    EXPECT_EQ(a.Armeebewertung, 120);
    EXPECT_TRUE(a.Bezahlt);
    EXPECT_EQ(a.T3Zusatz.str(), "zus");
    EXPECT_EQ(a.Kommentar.str(), "");
    EXPECT_EQ(a.TeamNr, -1);
    EXPECT_FALSE(a.Gemeldet);
    EXPECT_EQ(a.GetRundenAnzahl(), 0);

    const TSpieler& b = Spieler(3);
    EXPECT_EQ(b.Startnummer, 4);
    EXPECT_EQ(b.Nickname.str(), "");
    EXPECT_EQ(b.Herkunft.str(), "HB");
    EXPECT_EQ(b.Armeebewertung, 0) << "an empty rating field leaves 0";
    EXPECT_FALSE(b.Bezahlt);
    EXPECT_EQ(b.T3Zusatz.str(), "Z2");
}

TEST_F(SpielerImport, ShortFieldsAndMissingSeparatorsKeepTheDefaults) {
    const auto datei = Datei("v1.3.3\r\nT\r\n1\r\n3\r\n"
                             "1||Ulf||Ohm||N||Zwerge||H||R||1||5||2\r\n"
                             "2||Eva||Eck\r\n"
                             "3||Udo||Elm||||||Ki||Bo||0||||2||\r\n");
    ImportiereSpieler(datei);
    ASSERT_EQ(Spielerliste.size(), 3u);
    const TSpieler& a = Spieler(0);
    EXPECT_EQ(a.Herkunft.str(), "Neutral") << "one character is not an origin";
    EXPECT_EQ(a.Team.str(), "Neutral");
    EXPECT_EQ(a.Armeebewertung, 5);
    EXPECT_FALSE(a.Bezahlt) << "field 10 has no \"||\" behind it and is not read";
    EXPECT_EQ(a.T3Zusatz.str(), " ");
    const TSpieler& b = Spieler(1);
    EXPECT_EQ(b.T3ID.str(), "2");
    EXPECT_EQ(b.Vorname.str(), "Eva");
    EXPECT_EQ(b.Name.str(), "") << "the surname has no \"||\" behind it";
    const TSpieler& c = Spieler(2);
    EXPECT_EQ(c.Herkunft.str(), "Ki") << "two characters are enough";
    EXPECT_EQ(c.Team.str(), "Bo");
    EXPECT_TRUE(c.Bezahlt) << "any number but 0 means paid";
}

TEST_F(SpielerImport, LongFieldsAreCutToTheirWidths) {
    const std::string lang(60, 'x');
    const auto datei = Datei("v1.3.3\r\n" + lang + "\r\n" + lang + "\r\n1\r\n" + lang + "||" +
                             lang + "||" + lang + "||" + lang + "||" + lang + "||" + lang + "||" +
                             lang + "||0||0||0||" + lang + "||\r\n");
    ImportiereSpieler(datei);
    EXPECT_EQ(Turniername.size(), 50u);
    EXPECT_EQ(T3TurnierID.size(), 30u);
    const TSpieler& s = Spieler(0);
    EXPECT_EQ(s.T3ID.size(), 30u);
    EXPECT_EQ(s.Vorname.size(), 45u);
    EXPECT_EQ(s.Name.size(), 45u);
    EXPECT_EQ(s.Nickname.size(), 30u);
    EXPECT_EQ(s.Armee.size(), 30u);
    EXPECT_EQ(s.Herkunft.size(), 20u);
    EXPECT_EQ(s.Team.size(), 30u);
    EXPECT_EQ(s.T3Zusatz.size(), 10u);
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

TEST_F(SpielerImport, BlanksAndControlCharactersAroundTheVersionAreIgnored) {
    ImportiereSpieler(Datei(" \t\x01v1.3.3 \x1f\r\nT\r\n1\r\n1\r\n||Ida||Ost||\r\n"));
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(Spielerliste.size(), 1u);
    EXPECT_EQ(Spieler(0).Name.str(), "Ost");
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
