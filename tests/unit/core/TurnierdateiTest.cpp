#include "DateiBytes.h"

#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "core/Tische.h"
#include "core/Turnierdatei.h"
#include "platform/Errors.h"

#include "CoreState.h"
#include "TempDir.h"
#include "Testaufbau.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

void Zeile(int von, int bis, int sieger, int verlierer) {
    Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>(
        TSiegIntervall{.Von = von, .Bis = bis, .Sieger = sieger, .Verlierer = verlierer}));
}

// A tournament that sets every stored field to a value of its own.
void BeispielTurnier() {
    T3TurnierID = "T3-9", Turniername = "Sommer", AktuellerSpieltag = 3;
    GleicheArmeenBeachten = true, KeinePaarungenMehrfach = false, GleicheOrteBeachten = true;
    NurNMalGegenArmee = false, ArmeebewertungKlassisch = false, ArmeebewertungVergleichend = true;
    BemalungWerten = true, QuizWerten = false, FairplayWerten = true, SonstigesWerten = false;
    GleicheTeamsBeachten = true, ErsteRundeNachArmeebewertung = false, MalGegenSelbeArmee = 3;
    const int toleranzen[5] = {1, 0, 2, 0, 5};
    std::copy(std::begin(toleranzen), std::end(toleranzen), Toleranzen);
    OrteBeruecksichtigt = {"Bremen"};
    OrteNeutral = {"Ortsname mit 25 Zeichen!!"};
    TeamsBeruecksichtigt = {};
    TeamsNeutral = {"Neutral"};
    ArmeenBeruecksichtigt = {"Orks", "Elfen"};
    ArmeenNeutral = {};
    TischeZufaellig = false, Teamturnier = true, SiegpunktmatrixBenutzen = true;
    Siegpunktmatrix.clear();
    Zeile(0, 99, 10, 10);
    Zeile(100, 100000, 20, 0);
    SzenarioWerten = true, FaktorTurnier = 1.0, FaktorArmee = 0.5, FaktorBemalung = 0.25;
    FaktorFairplay = 2.0, FaktorQuiz = 0.125, FaktorSonstige = 3.0, PaarungshilfeAnzeigen = true;
    ErsteInReihenfolge = 2, AnzahlTische = 12, TischgruppenBeruecksichtigen = true;
    AnzahlTischgruppen = 3, TischgruppenManuell = true, WieOftProGruppe = 1;
    Tischgruppen.clear();
    testaufbau::NeueTischgruppe("Halle A", 1, 6);
    testaufbau::NeueTischgruppe("Halle B", 7, 12);
    RundenAnzahl = 6, GruppenBeachten = true, FairplayProSpiel = true;
    SzenarioEingabe = false, DruckMitSpielernummer = false;

    auto s = std::make_unique<TSpieler>();
    s->Startnummer = 7, s->Name = "M\xfcller", s->Nickname = "Mo", s->T3ID = "4711";
    s->ArchivID = 12, s->Armeebewertung = 1, s->Bemalung = 2, s->Quiz = 3, s->Fairplay = 4;
    s->Sonstiges = 5, s->Armee = "Orks", s->Herkunft = "Kiel", s->Team = "Rot";
    s->Bezahlt = true, s->Gemeldet = true, s->ArmeelisteStatus = 2, s->Vorname = "Anna";
    s->Kommentar = "sp\xe4t", s->TeamNr = 3, s->T3Zusatz = "z", s->Gesamtwertung = 12.5;
    s->Gruppe = 2;
    s->Platz = 4, s->Gesamtpunkte = 13; // computed fields are not stored
    s->RundeAnlegen(2);
    TRundenErgebnis& r = *s->Runden[0];
    r.Siegpunkte = 1500, r.Gegner = 8, r.Punkte = 15, r.GegnerArmee = "Elfen", r.Armeepunkte = 4;
    r.Fairplay = 3, r.Tisch = 2, r.Szenariopunkte = 1;
    Spielerliste.push_back(std::move(s));
}

// The same tournament written out by hand, field by field.
std::string ErwarteteBytes() {
    DateiBytes d;
    d.I32(18).Text("T3-9", 30).Text("Sommer", 50).I32(3);
    for (bool f : {true, false, true, false, false, true, true, false, true, false, true, false})
        d.Flag(f);
    d.I32(3).I32(1).I32(0).I32(2).I32(0).I32(5);
    d.I32(1).Text("Bremen", 20);
    d.I32(1).Text("Ortsname mit 25 Zeic", 20);
    d.I32(0);
    d.I32(1).Text("Neutral", 30);
    d.I32(2).Text("Orks", 30).Text("Elfen", 30);
    d.I32(0);
    d.Flag(false).Flag(true);
    d.I32(1).Flag(true).I32(2).I32(0).I32(99).I32(10).I32(10).I32(100).I32(100000).I32(20).I32(0);
    d.Flag(true).F64(1.0).F64(0.5).F64(0.25).F64(2.0).F64(0.125).F64(3.0);
    d.Flag(true);
    d.Flag(false).I32(2).I32(12).Flag(true).I32(3).Flag(true).I32(1);
    d.I32(2).Text("Halle A", 50).I32(1).I32(6).Text("Halle B", 50).I32(7).I32(12);
    d.I32(6).Flag(true).Flag(true).Flag(true).Flag(false);
    d.I32(1);
    d.I32(7).Text("M\xfcller", 45).Text("Mo", 30).Text("4711", 30).I32(12);
    d.I32(1).I32(2).I32(3).I32(4).I32(5);
    d.Text("Orks", 30).Text("Kiel", 20).Text("Rot", 30).Flag(false).Flag(true).Flag(true).I32(2);
    d.Text("Anna", 45).Text("sp\xe4t", 45).I32(3).Text("z", 10).F64(12.5).I32(2);
    d.I32(2);
    d.I32(1500).I32(8).I32(15).Text("Elfen", 30).I32(4).I32(3).I32(2).I32(1);
    d.I32(0).I32(-1).I32(0).Text("", 30).I32(0).I32(0).I32(0).I32(0);
    return d.b;
}

class Turnierdatei : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }

    std::filesystem::path Schreibe(const std::string& name, const std::string& bytes) {
        const auto pfad = dir / name;
        WriteBytes(pfad, bytes);
        Dateiname = pfad.string();
        return pfad;
    }

    TempDir dir;
};

TEST_F(Turnierdatei, Version18IsWrittenByteForByte) {
    BeispielTurnier();
    const auto pfad = dir / "turnier.dat";
    Dateiname = pfad.string();
    SpeichereTurnier();
    const std::string bytes = ReadBytes(pfad);
    EXPECT_EQ(bytes, ErwarteteBytes());
    AlsSaat("version18-voll", bytes);
}

// Read back, the file gives the same bytes but for the archive link: a reader that misplaces a
// field or ignores one shows up, as the version files hold other values.
TEST_F(Turnierdatei, AVersion18FileComesBackWhole) {
    BeispielTurnier();
    std::string bytes = TurnierdateiBytes();
    ResetCoreState();
    LadeTurnierdatei(bytes, "x");
    bytes.replace(bytes.size() - 349 - 2 * 59 + 112, 4, DateiBytes().I32(-1).b);
    EXPECT_EQ(TurnierdateiBytes(), bytes);
}

TEST_F(Turnierdatei, TheTwoFairplayBytesAreEqualAndTheSecondOneCounts) {
    // The file ends with FairplayProSpiel twice, DruckMitSpielernummer and the player count.
    FairplayProSpiel = false;
    std::string bytes = TurnierdateiBytes();
    const std::size_t erstes = bytes.size() - 7;
    EXPECT_EQ(bytes.substr(erstes, 2), std::string("\0\0", 2));
    bytes[erstes] = 1;
    FairplayProSpiel = true;
    LadeTurnierdatei(bytes, "x");
    EXPECT_FALSE(FairplayProSpiel);
}

TEST_F(Turnierdatei, EachFlagIsReadFromItsOwnByte) {
    BeispielTurnier();
    const std::string voll = TurnierdateiBytes();
    const std::size_t p = voll.size() - 349 - 2 * 59;
    auto flags = [] {
        const TSpieler& s = *Spielerliste.at(0);
        return std::vector<bool>{GleicheArmeenBeachten,
                                 KeinePaarungenMehrfach,
                                 GleicheOrteBeachten,
                                 NurNMalGegenArmee,
                                 ArmeebewertungKlassisch,
                                 ArmeebewertungVergleichend,
                                 BemalungWerten,
                                 QuizWerten,
                                 FairplayWerten,
                                 SonstigesWerten,
                                 GleicheTeamsBeachten,
                                 ErsteRundeNachArmeebewertung,
                                 s.Geloescht,
                                 s.Bezahlt,
                                 s.Gemeldet};
    };
    // Twelve header flags from byte 90, the player's three from his byte 219.
    for (std::size_t i = 0; i < 15; ++i) {
        std::string bytes = voll;
        bytes.replace(90, 12, std::string(12, '\0'));
        bytes.replace(p + 219, 3, std::string(3, '\0'));
        bytes[i < 12 ? 90 + i : p + 219 + i - 12] = 1;
        LadeTurnierdatei(bytes, "x");
        std::vector<bool> erwartet(15, false);
        erwartet[i] = true;
        EXPECT_EQ(flags(), erwartet) << "flag " << i;
    }
}

TEST_F(Turnierdatei, DuplicateStartNumbersGetTheFirstFreeNumber) {
    DateiBytes d;
    d.Roh(TurnierdateiBytes());
    d.b.resize(d.b.size() - 4);
    const int nummern[] = {4, 3, 3, 1, 1};
    d.I32(5);
    for (int n : nummern) {
        d.I32(n).Text("", 45).Text("", 30).Text("0", 30).I32(9).I32(0).I32(0).I32(0).I32(0).I32(0);
        d.Text("", 30).Text("", 20).Text("", 30).Flag(0).Flag(0).Flag(0).I32(0);
        d.Text("", 45).Text("", 45).I32(-1).Text(" ", 10).F64(0).I32(0).I32(0);
    }
    AlsSaat("doppelte-nummern", d.b);
    LadeTurnierdatei(d.b, "x");
    ASSERT_EQ(Spielerliste.size(), 5u);
    // third: two read, so from 3 upward: 3 and 4 are taken; fifth: from 5 upward, 5 is taken
    const int erwartet[] = {4, 3, 5, 1, 6};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(Spielerliste[i]->Startnummer, erwartet[i]) << i;
        EXPECT_EQ(Spielerliste[i]->ArchivID, -1);
    }
}

TEST_F(Turnierdatei, NoPlayersStillAppliesTheOptions) {
    MalGegenSelbeArmee = 7;
    std::string ohne = TurnierdateiBytes();
    ResetCoreState();
    BeispielTurnier();
    LadeTurnierdatei(ohne, "x");
    EXPECT_TRUE(Spielerliste.empty());
    EXPECT_EQ(MalGegenSelbeArmee, 7);
    EXPECT_TRUE(Tischgruppen.empty());

    ohne.replace(ohne.size() - 4, 4, DateiBytes().I32(-3).b);
    BeispielTurnier();
    LadeTurnierdatei(ohne, "x");
    EXPECT_TRUE(Spielerliste.empty()) << "a negative count holds no player";
}

TEST_F(Turnierdatei, VersionsAbove18ReadAs18AndRoundsBelow1AsRound1) {
    BeispielTurnier();
    std::string bytes = TurnierdateiBytes();
    ResetCoreState();
    bytes.replace(0, 4, DateiBytes().I32(25).b);
    bytes.replace(86, 4, DateiBytes().I32(-4).b);
    LadeTurnierdatei(bytes, "x");
    EXPECT_EQ(Turniername.str(), "Sommer");
    ASSERT_EQ(Spielerliste.size(), 1u);
    EXPECT_EQ(Spielerliste[0]->GetRundenAnzahl(), 2);
    EXPECT_EQ(AktuellerSpieltag, 1);
}

TEST_F(Turnierdatei, HugeRoundAndTableNumbersAreKeptWithinUsableBounds) {
    BeispielTurnier();
    AktuellerSpieltag = 2000000000;
    RundenAnzahl = 1000000;
    AnzahlTische = 500000000;
    AnzahlTischgruppen = 2000000000;
    std::string bytes = TurnierdateiBytes();
    ResetCoreState();
    LadeTurnierdatei(bytes, "x");
    EXPECT_EQ(AktuellerSpieltag, HoechsteRundenAnzahl);
    EXPECT_EQ(RundenAnzahl, HoechsteRundenAnzahl);
    EXPECT_EQ(AnzahlTische, HoechsteTischAnzahl);
    EXPECT_EQ(AnzahlTischgruppen, HoechsteTischAnzahl)
        << "the table dialog builds that many groups";

    RundenAnzahl = 0;
    AnzahlTische = -3;
    for (int gruppen : {0, -7}) {
        AnzahlTischgruppen = gruppen;
        bytes = TurnierdateiBytes();
        LadeTurnierdatei(bytes, "x");
        EXPECT_EQ(RundenAnzahl, 1);
        EXPECT_EQ(AnzahlTische, 0);
        EXPECT_EQ(AnzahlTischgruppen, 1) << "the tables are split among the groups: never by 0";
    }
    AnzahlTischgruppen = 7;
    LadeTurnierdatei(TurnierdateiBytes(), "x");
    EXPECT_EQ(AnzahlTischgruppen, 7);
}

// Everything the file holds, plus what a load must not touch.
std::string Zustand() {
    return TurnierdateiBytes() + "|" + Dateiname + "|" + (SzenarioEingabe ? "1" : "0");
}

TEST_F(Turnierdatei, AFileThatEndsEarlyIsRejectedAndChangesNothing) {
    BeispielTurnier();
    const std::string voll = TurnierdateiBytes();
    Spielerliste[0]->Name = "Vorher";
    Dateiname = "vorher.dat";
    const std::string vorher = Zustand();
    for (std::size_t laenge = 0; laenge < voll.size(); ++laenge) {
        EXPECT_THROW(LadeTurnierdatei(std::string_view(voll).substr(0, laenge), "t.dat"),
                     EFileFormatError)
            << laenge;
        ASSERT_TRUE(Zustand() == vorher) << "cut after " << laenge << " bytes";
    }

    const auto pfad = Schreibe("kurz.dat", voll.substr(0, voll.size() - 1));
    try {
        LadeTurnier();
        FAIL();
    } catch (const EFileFormatError& e) {
        EXPECT_NE(std::string(e.what()).find(pfad.string()), std::string::npos) << e.what();
    }
    Dateiname = "vorher.dat";
    EXPECT_TRUE(Zustand() == vorher);

    Dateiname = (dir / "fehlt.dat").string();
    EXPECT_THROW(LadeTurnier(), EInOutError);
    Dateiname = "vorher.dat";
    EXPECT_TRUE(Zustand() == vorher);
}

TEST_F(Turnierdatei, AVersionBelow1IsADamagedFile) {
    BeispielTurnier();
    Dateiname = "vorher.dat";
    const std::string vorher = Zustand();
    const std::string rest = TurnierdateiBytes().substr(4);
    for (const std::string& bytes :
         {std::string(100, '\0'), DateiBytes().I32(-1).b + rest, DateiBytes().I32(0).b + rest}) {
        try {
            LadeTurnierdatei(bytes, "t.dat");
            ADD_FAILURE() << "loaded";
        } catch (const EFileFormatError& e) {
            EXPECT_STREQ(e.what(), "Die Datei ist beschädigt oder unvollständig: t.dat");
        }
        EXPECT_TRUE(Zustand() == vorher);
    }
}

TEST_F(Turnierdatei, CountsTheRestCannotHoldAreRejected) {
    BeispielTurnier();
    const std::string voll = TurnierdateiBytes();
    const std::size_t p = voll.size() - 349 - 2 * 59;
    // Where the counts of this file stand (checked first, so the test cannot miss them).
    struct Zaehler {
        std::size_t offset;
        int wert;
    };
    const Zaehler zaehler[] = {{126, 1}, {151, 1}, {176, 0}, {180, 1},   {215, 2},
                               {281, 0}, {292, 2}, {397, 2}, {p - 4, 1}, {p + 345, 2}};
    const std::string vorher = Zustand();
    for (const Zaehler& z : zaehler) {
        ASSERT_EQ(I32An(voll, z.offset), z.wert) << z.offset;
        for (int falsch : {0x7fffffff, 100000}) {
            std::string bytes = voll;
            bytes.replace(z.offset, 4, DateiBytes().I32(falsch).b);
            EXPECT_THROW(LadeTurnierdatei(bytes, "t.dat"), EFileFormatError)
                << z.offset << " " << falsch;
            EXPECT_TRUE(Zustand() == vorher);
        }
    }
}

// Saving goes through the atomic write: a save that fails partway, as on a full disk, leaves
// the old file.
TEST_F(Turnierdatei, ASaveThatFailsMidwayLeavesTheOldFileAsItWas) {
    BeispielTurnier();
    const auto pfad = Schreibe("turnier.dat", "alter Stand");
    rlimit grenze{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &grenze), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = grenze;
    klein.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
    EXPECT_THROW(SpeichereTurnier(), EInOutError);
    setrlimit(RLIMIT_FSIZE, &grenze);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(ReadBytes(pfad), "alter Stand");
}

} // namespace
