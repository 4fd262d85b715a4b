#include "core/ConfigDatei.h"
#include "TempDir.h"
#include "platform/Errors.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// Records what the reader delivers, in order, and serves as the source for writing.
struct Werte final : ConfigZiel, ConfigQuelle {
    std::array<bool, ConfigFeldAnzahl> schalter{};
    std::array<std::string, ConfigFeldAnzahl> texte{};
    std::array<std::vector<std::string>, ConfigListenAnzahl> neutral{};
    std::vector<int> gelesen; // field numbers in the order they arrived

    void SetzeSchalter(ConfigFeld f, bool an) override {
        schalter[static_cast<size_t>(f)] = an;
        gelesen.push_back(static_cast<int>(f));
    }
    void SetzeText(ConfigFeld f, const std::string& t) override {
        texte[static_cast<size_t>(f)] = t;
        gelesen.push_back(static_cast<int>(f));
    }
    void NeutralHinzufuegen(ConfigListe l, const std::string& w) override {
        neutral[static_cast<size_t>(l)].push_back(w);
    }
    bool Schalter(ConfigFeld f) const override { return schalter[static_cast<size_t>(f)]; }
    std::string Text(ConfigFeld f) const override { return texte[static_cast<size_t>(f)]; }
    std::vector<std::string> Neutral(ConfigListe l) const override {
        return neutral[static_cast<size_t>(l)];
    }
    bool S(ConfigFeld f) const { return Schalter(f); }
    const std::string& T(ConfigFeld f) const { return texte[static_cast<size_t>(f)]; }
    const std::vector<std::string>& N(ConfigListe l) const {
        return neutral[static_cast<size_t>(l)];
    }
};

Werte Lies(const std::string& bytes) {
    Werte w;
    LeseConfigBytes(bytes, "Config.dat", w);
    return w;
}

// Lines 2..21 of a file whose switches alternate and whose number fields are distinct.
const std::string Felder = "TRUE\r\n1\r\nFALSE\r\n2\r\nTRUE\r\n3\r\nFALSE\r\n4\r\n5\r\n"
                           "TRUE\r\n 6\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nTRUE\r\nFALSE\r\n"
                           "TRUE\r\nFALSE\r\nFALSE\r\n";

} // namespace

TEST(ConfigDatei, WritesVersionTwentyFieldsAndTheThreeListsByteForByte) {
    Werte w;
    using F = ConfigFeld;
    for (F f : {F::Armeen, F::Orte, F::Tunierpunkte, F::Klassisch, F::Szenario})
        w.schalter[static_cast<size_t>(f)] = true;
    w.texte[static_cast<size_t>(F::ArmeenToleranz)] = "1";
    w.texte[static_cast<size_t>(F::GleicheToleranz)] = "0";
    w.texte[static_cast<size_t>(F::OrteToleranz)] = "-3";
    w.texte[static_cast<size_t>(F::MalGegenArmee)] = "2";
    w.texte[static_cast<size_t>(F::GleicheArmeenToleranz)] = "0";
    w.texte[static_cast<size_t>(F::TeamsToleranz)] = " 7";
    w.neutral[0] = {"Neutral", "M\xFC"
                               "nchen"};
    w.neutral[2] = {"Orks"};

    const std::string erwartet = "2\r\n"
                                 "TRUE\r\n1\r\nFALSE\r\n0\r\nTRUE\r\n-3\r\nFALSE\r\n2\r\n0\r\n"
                                 "FALSE\r\n 7\r\n"
                                 "TRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n"
                                 "FALSE\r\nTRUE\r\n"
                                 "2\r\nNeutral\r\nM\xFCnchen\r\n"
                                 "0\r\n"
                                 "1\r\nOrks\r\n";
    EXPECT_EQ(ConfigBytes(w), erwartet);

    TempDir dir;
    SchreibeConfigDatei(dir / "Config.dat", w);
    EXPECT_EQ(ReadBytes(dir / "Config.dat"), erwartet);
}

TEST(ConfigDatei, ReadsVersionTwoInFileOrder) {
    const Werte w = Lies("2\r\n" + Felder + "1\r\nNeutral\r\n2\r\nRot\r\nBlau\r\n0\r\n");
    ASSERT_EQ(w.gelesen.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(w.gelesen[static_cast<size_t>(i)], i);
    using F = ConfigFeld;
    EXPECT_TRUE(w.S(F::Armeen));
    EXPECT_FALSE(w.S(F::Gleiche));
    EXPECT_EQ(w.T(F::MalGegenArmee), "4");
    EXPECT_EQ(w.T(F::GleicheArmeenToleranz), "5");
    EXPECT_EQ(w.T(F::TeamsToleranz), " 6") << "text lines are taken whole";
    EXPECT_FALSE(w.S(F::Tunierpunkte));
    EXPECT_TRUE(w.S(F::Armeebewertung));
    EXPECT_TRUE(w.S(F::Sonstiges) == false && w.S(F::Fairplay) == true);
    EXPECT_FALSE(w.S(F::Szenario));
    EXPECT_EQ(w.N(ConfigListe::Orte), std::vector<std::string>{"Neutral"});
    EXPECT_EQ(w.N(ConfigListe::Teams), (std::vector<std::string>{"Rot", "Blau"}));
    EXPECT_TRUE(w.N(ConfigListe::Armeen).empty());
}

TEST(ConfigDatei, SwitchesAreOnOnlyForExactlyTrue) {
    const Werte w = Lies("2\r\ntrue\r\n\r\nTRUE \r\n\r\n TRUE\r\n\r\nTRUE\r\n");
    EXPECT_FALSE(w.S(ConfigFeld::Armeen));
    EXPECT_FALSE(w.S(ConfigFeld::Gleiche));
    EXPECT_FALSE(w.S(ConfigFeld::Orte));
    EXPECT_TRUE(w.S(ConfigFeld::GleicheArmeen));
}

TEST(ConfigDatei, VersionOneHasNoScenarioLineAndHigherVersionsReadLikeTwo) {
    // Line 21 of a version 1 file is already the first count.
    const Werte eins = Lies("1\r\n" + Felder.substr(0, Felder.size() - 7) + "1\r\nOrt\r\n");
    EXPECT_EQ(eins.gelesen.size(), 19u);
    EXPECT_EQ(eins.N(ConfigListe::Orte), std::vector<std::string>{"Ort"});

    const Werte drei = Lies("3\r\n" + Felder + "0\r\n1\r\nTeam\r\n");
    EXPECT_EQ(drei.gelesen.size(), 20u);
    EXPECT_EQ(drei.N(ConfigListe::Teams), std::vector<std::string>{"Team"});
}

TEST(ConfigDatei, CountLinesAreReadLikeIntegers) {
    // Blank lines before a count are skipped, the rest of the count's line is ignored, the value
    // lines are taken whole, with their blanks.
    const Werte w = Lies("2\r\n" + Felder + "\r\n  2 Stueck\r\n A \r\n\r\n1\nLF\r0\r\n");
    EXPECT_EQ(w.N(ConfigListe::Orte), (std::vector<std::string>{" A ", ""}));
    EXPECT_EQ(w.N(ConfigListe::Teams), std::vector<std::string>{"LF"});
    EXPECT_TRUE(w.N(ConfigListe::Armeen).empty());
}

TEST(ConfigDatei, AFileEndingEarlyLeavesSwitchesOffTextsEmptyAndCountsZero) {
    const Werte w = Lies("2\r\nTRUE\r\n3\r\nTRUE");
    EXPECT_TRUE(w.S(ConfigFeld::Armeen));
    EXPECT_EQ(w.T(ConfigFeld::ArmeenToleranz), "3");
    EXPECT_TRUE(w.S(ConfigFeld::Gleiche));
    EXPECT_EQ(w.gelesen.size(), 20u);
    EXPECT_EQ(w.T(ConfigFeld::GleicheToleranz), "");
    EXPECT_FALSE(w.S(ConfigFeld::Szenario));
    for (const auto& liste : w.neutral)
        EXPECT_TRUE(liste.empty());

    // An empty file reads as version 0: no scenario line.
    EXPECT_EQ(Lies("").gelesen.size(), 19u);

    // A count larger than the values left adds only those.
    const Werte kurz = Lies("2\r\n" + Felder + "2000000000\r\nEiner\r\n");
    EXPECT_EQ(kurz.N(ConfigListe::Orte), std::vector<std::string>{"Einer"});
}

TEST(ConfigDatei, ADamagedCountEndsTheReadingAfterWhatCameBefore) {
    Werte w;
    try {
        LeseConfigBytes("2\r\n" + Felder + "1\r\nNeutral\r\nzwei\r\nRot\r\n0\r\n", "/x/Config.dat",
                        w);
        FAIL() << "a count that is not a number must end the reading";
    } catch (const EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find("106"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("/x/Config.dat"), std::string::npos);
    }
    EXPECT_EQ(w.gelesen.size(), 20u);
    EXPECT_EQ(w.N(ConfigListe::Orte), std::vector<std::string>{"Neutral"});
    EXPECT_TRUE(w.N(ConfigListe::Teams).empty());

    Werte v;
    EXPECT_THROW(LeseConfigBytes("zwei\r\nTRUE\r\n", "Config.dat", v), EInOutError);
    EXPECT_TRUE(v.gelesen.empty());
}

TEST(ConfigDatei, AMissingFileReadsNothing) {
    TempDir dir;
    Werte w;
    EXPECT_FALSE(LeseConfigDatei(dir / "Config.dat", w));
    EXPECT_TRUE(w.gelesen.empty());
}

TEST(ConfigDatei, AWriteThatCannotReplaceTheFileFails) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Config.dat");
    Werte w;
    EXPECT_THROW(SchreibeConfigDatei(dir / "Config.dat", w), EInOutError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Config.dat"));
}
