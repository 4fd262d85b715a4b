// Files of the older format versions, built byte by byte from the layout of each version, read
// field by field. Unused text bytes hold 'Z' so that a reader that looks at them shows up.
#include "DateiBytes.h"

#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "core/Tische.h"
#include "core/Turnierdatei.h"

#include "CoreState.h"
#include "Testaufbau.h"

#include <gtest/gtest.h>

namespace {

constexpr char Fuell = 'Z';

void KopfFuerVersion(DateiBytes& d, int v) {
    if (v >= 8)
        d.Text("TID", 30, Fuell).Text("Titel", 50, Fuell);
    if (v >= 9) {
        d.I32(4);
        for (int i = 0; i < 12; ++i)
            d.Flag(i % 2 == 1);
        d.I32(3).I32(1).I32(2).I32(3).I32(4).I32(5);
        d.I32(1).Text("Ort", 20, Fuell);
        d.I32(2).Text("Nort1", 20, Fuell).Text("Nort2", 20, Fuell);
        d.I32(0);
        d.I32(1).Text("Nteam", 30, Fuell);
        d.I32(1).Text("Arm", 30, Fuell);
        d.I32(1).Text("Narm", 30, Fuell);
    }
    if (v >= 10)
        d.Flag(false);
    if (v >= 12)
        d.Flag(true).I32(7).Flag(true).I32(1).I32(5).I32(50).I32(12).I32(4);
    if (v >= 14) {
        d.Flag(true);
        for (double f : {0.1, 0.2, 0.3, 0.4, 0.5, 0.6})
            d.F64(f);
    }
    if (v >= 15) {
        d.Flag(true);
        d.Flag(true).I32(3).I32(8).Flag(true).I32(2).Flag(false).I32(1);
        d.I32(1).Text("Neu", 50, Fuell).I32(1).I32(4);
    }
    if (v >= 16)
        d.I32(7);
    if (v >= 17)
        d.Flag(true);
    if (v >= 18)
        d.Flag(false).Flag(true).Flag(false);
}

// Round r of the first player holds 100+r, 20+r, r, "GA r", 40+r, 60+r, 80+r, 90+r.
void SpielerFuerVersion(DateiBytes& d, int v, int nummer, const std::string& vorname,
                        const std::string& name, bool voll) {
    const std::size_t armee = v >= 7 ? 30 : 20;
    d.I32(nummer).Text(v <= 10 && !vorname.empty() ? vorname + " " + name : name, 45, Fuell);
    if (v >= 7)
        d.Text(voll ? "Nick" : "", 30, Fuell);
    if (v >= 8)
        d.Text(voll ? "T3x" : "0", 30, Fuell);
    d.I32(55);
    for (int w = 1; w <= 5; ++w)
        d.I32(voll ? w : 0);
    auto wert = [&](int basis, int r) { return voll ? basis + r : 0; };
    if (v <= 15) {
        for (int basis : {100, 20, 0})
            for (int r = 1; r <= 5; ++r)
                d.I32(wert(basis, r));
        for (int r = 1; r <= 5; ++r)
            d.Text(voll ? "GA " + std::to_string(r) : "", armee, Fuell);
        if (v >= 3)
            for (int r = 1; r <= 5; ++r)
                d.I32(wert(40, r));
        if (v >= 6)
            for (int r = 1; r <= 5; ++r)
                d.I32(wert(60, r)).I32(wert(80, r));
    }
    d.Text(voll ? "Orks" : "", armee, Fuell).Text(voll ? "Kiel" : "Neutral", 20, Fuell);
    if (v >= 2)
        d.Text(voll ? "Rot" : "Neutral", 30, Fuell);
    if (v >= 4)
        d.Flag(voll);
    if (v >= 5)
        d.Flag(voll).Flag(voll).I32(voll ? 3 : 0);
    if (v >= 11)
        d.Text(vorname, 45, Fuell).Text(voll ? "Kom" : "", 45, Fuell).I32(voll ? 2 : -1);
    if (v >= 13)
        d.Text(voll ? "zz" : " ", 10, Fuell);
    if (v >= 14 && v <= 15)
        for (int r = 1; r <= 5; ++r)
            d.I32(wert(90, r));
    if (v >= 14)
        d.F64(voll ? 7.5 : 0.0);
    if (v >= 17)
        d.I32(voll ? 3 : 0);
    if (v >= 16) {
        const int runden = voll ? 2 : 0;
        d.I32(runden);
        for (int r = 1; r <= runden; ++r)
            d.I32(wert(100, r))
                .I32(wert(20, r))
                .I32(r)
                .Text("GA " + std::to_string(r), 30, Fuell)
                .I32(wert(40, r))
                .I32(wert(60, r))
                .I32(wert(80, r))
                .I32(wert(90, r));
    }
}

std::string DateiDerVersion(int v) {
    DateiBytes d;
    d.I32(v);
    KopfFuerVersion(d, v);
    d.I32(3);
    SpielerFuerVersion(d, v, 11, "Anna", "Berg Ost", true);
    SpielerFuerVersion(d, v, 11, "Al", "Ohm", false);
    SpielerFuerVersion(d, v, 3, "", "A Zett", false);
    return d.b;
}

// A state that differs from the file and from the defaults wherever it can.
void VorherigerStand() {
    T3TurnierID = "alt-id", Turniername = "alt", AktuellerSpieltag = 2, MalGegenSelbeArmee = 9;
    std::fill(std::begin(Toleranzen), std::end(Toleranzen), 9);
    OrteNeutral = {"altort"};
    ArmeenBeruecksichtigt = {"altarmee"};
    KeinePaarungenMehrfach = false, TischeZufaellig = true, Teamturnier = false;
    SiegpunktmatrixBenutzen = false, SzenarioWerten = false, PaarungshilfeAnzeigen = false;
    FaktorTurnier = FaktorArmee = FaktorBemalung = FaktorQuiz = FaktorFairplay = FaktorSonstige =
        0.75;
    ErsteInReihenfolge = 6, TischgruppenManuell = true, RundenAnzahl = 9, GruppenBeachten = true;
    testaufbau::NeueTischgruppe("alt", 0, 0);
    FairplayProSpiel = SzenarioEingabe = DruckMitSpielernummer = false;
    Spielerliste.push_back(std::make_unique<TSpieler>());
}

void PruefeKopf(int v) {
    SCOPED_TRACE("header");
    EXPECT_EQ(T3TurnierID.str(), v >= 8 ? "TID" : "0");
    EXPECT_EQ(Turniername.str(), v >= 8 ? "Titel" : "");
    if (v >= 9) {
        EXPECT_EQ(AktuellerSpieltag, 4);
        // flags 1, 3, 5, 7, 9 and 11 are set
        const std::vector<bool> flags = {GleicheArmeenBeachten,   KeinePaarungenMehrfach,
                                         GleicheOrteBeachten,     NurNMalGegenArmee,
                                         ArmeebewertungKlassisch, ArmeebewertungVergleichend,
                                         BemalungWerten,          QuizWerten,
                                         FairplayWerten,          SonstigesWerten,
                                         GleicheTeamsBeachten,    ErsteRundeNachArmeebewertung};
        EXPECT_EQ(flags, std::vector<bool>({false, true, false, true, false, true, false, true,
                                            false, true, false, true}));
        EXPECT_EQ(MalGegenSelbeArmee, 3);
        EXPECT_EQ(std::vector<int>(Toleranzen, Toleranzen + 5), (std::vector<int>{1, 2, 3, 4, 5}));
        EXPECT_EQ(OrteBeruecksichtigt, std::vector<std::string>({"Ort"}));
        EXPECT_EQ(OrteNeutral, std::vector<std::string>({"Nort1", "Nort2"}));
        EXPECT_TRUE(TeamsBeruecksichtigt.empty());
        EXPECT_EQ(TeamsNeutral, std::vector<std::string>({"Nteam"}));
        EXPECT_EQ(ArmeenBeruecksichtigt, std::vector<std::string>({"Arm"}));
        EXPECT_EQ(ArmeenNeutral, std::vector<std::string>({"Narm"}));
    } else {
        EXPECT_EQ(AktuellerSpieltag, 2);
        EXPECT_FALSE(KeinePaarungenMehrfach);
        EXPECT_EQ(MalGegenSelbeArmee, 9);
        EXPECT_EQ(Toleranzen[2], 9);
        EXPECT_EQ(OrteNeutral, std::vector<std::string>({"altort"}));
        EXPECT_EQ(ArmeenBeruecksichtigt, std::vector<std::string>({"altarmee"}));
    }
    // The tables block's copy overwrites the header's from version 15 on.
    EXPECT_EQ(TischeZufaellig, v < 10 || v >= 15);
    EXPECT_EQ(Teamturnier, v >= 12);
    EXPECT_EQ(SiegpunktmatrixBenutzen, v >= 12);
    if (v >= 12) {
        ASSERT_EQ(Siegpunktmatrix.size(), 1u);
        EXPECT_EQ(Siegpunktmatrix[0]->Von, 5);
        EXPECT_EQ(Siegpunktmatrix[0]->Bis, 50);
        EXPECT_EQ(Siegpunktmatrix[0]->Sieger, 12);
        EXPECT_EQ(Siegpunktmatrix[0]->Verlierer, 4);
    } else {
        EXPECT_EQ(Siegpunktmatrix.size(), 9u);
    }
    EXPECT_EQ(SzenarioWerten, v >= 14);
    EXPECT_EQ((std::vector<double>{FaktorTurnier, FaktorArmee, FaktorBemalung, FaktorFairplay,
                                   FaktorQuiz, FaktorSonstige}),
              (v >= 14 ? std::vector<double>{0.1, 0.2, 0.3, 0.4, 0.5, 0.6}
                       : std::vector<double>(6, 0.75)));
    EXPECT_EQ(PaarungshilfeAnzeigen, v >= 15);
    EXPECT_EQ(ErsteInReihenfolge, v >= 15 ? 3 : 6);
    EXPECT_EQ(AnzahlTische, v >= 15 ? 8 : 0);
    EXPECT_EQ(TischgruppenBeruecksichtigen, v >= 15);
    EXPECT_EQ(AnzahlTischgruppen, v >= 15 ? 2 : 5);
    EXPECT_EQ(TischgruppenManuell, v < 15);
    EXPECT_EQ(WieOftProGruppe, v >= 15 ? 1 : 2);
    ASSERT_EQ(Tischgruppen.size(), 1u);
    EXPECT_EQ(Tischgruppen[0]->Name.str(), v >= 15 ? "Neu" : "alt");
    EXPECT_EQ(Tischgruppen[0]->LetzterTisch, v >= 15 ? 4 : 0);
    EXPECT_EQ(RundenAnzahl, v >= 16 ? 7 : 5);
    EXPECT_EQ(GruppenBeachten, v >= 17);
    EXPECT_TRUE(FairplayProSpiel) << "the second of the two bytes counts";
    EXPECT_EQ(SzenarioEingabe, v < 18) << "not stored: older files set it";
    EXPECT_EQ(DruckMitSpielernummer, v < 18);
}

void PruefeSpieler(int v) {
    SCOPED_TRACE("players");
    ASSERT_EQ(Spielerliste.size(), 3u);
    const TSpieler& s = *Spielerliste[0];
    EXPECT_EQ(s.Startnummer, 11);
    EXPECT_EQ(s.Vorname.str(), "Anna");
    EXPECT_EQ(s.Name.str(), "Berg Ost") << "only the first blank separates";
    EXPECT_EQ(s.Nickname.str(), v >= 7 ? "Nick" : "");
    EXPECT_EQ(s.T3ID.str(), v >= 8 ? "T3x" : "0");
    EXPECT_EQ(s.ArchivID, -1);
    EXPECT_EQ((std::vector<int>{s.Armeebewertung, s.Bemalung, s.Quiz, s.Fairplay, s.Sonstiges}),
              (std::vector<int>{1, 2, 3, 4, 5}));
    ASSERT_EQ(s.GetRundenAnzahl(), v <= 15 ? 5 : 2);
    for (int r = 1; r <= s.GetRundenAnzahl(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ((std::vector<int>{s.GetSiegpunkte(r), s.GetGegner(r), s.GetPunkte(r),
                                    s.GetArmeepunkte(r), s.GetFairplay(r), s.GetTisch(r),
                                    s.GetSzenariopunkte(r)}),
                  (std::vector<int>{100 + r, 20 + r, r, v >= 3 ? 40 + r : 0, v >= 6 ? 60 + r : 0,
                                    v >= 6 ? 80 + r : 0, v >= 14 ? 90 + r : 0}));
        EXPECT_EQ(s.GetGegnerArmee(r), "GA " + std::to_string(r));
    }
    EXPECT_EQ(s.Armee.str(), "Orks");
    EXPECT_EQ(s.Herkunft.str(), "Kiel");
    EXPECT_EQ(s.Team.str(), v >= 2 ? "Rot" : "Neutral");
    EXPECT_EQ(s.Geloescht, v >= 4);
    EXPECT_EQ(s.Bezahlt, v >= 5);
    EXPECT_EQ(s.Gemeldet, v >= 5);
    EXPECT_EQ(s.ArmeelisteStatus, v >= 5 ? 3 : 0);
    EXPECT_EQ(s.Kommentar.str(), v >= 11 ? "Kom" : "");
    EXPECT_EQ(s.TeamNr, v >= 11 ? 2 : -1);
    EXPECT_EQ(s.T3Zusatz.str(), v >= 13 ? "zz" : " ");
    EXPECT_EQ(s.Gesamtwertung, v >= 14 ? 7.5 : 0.0);
    EXPECT_EQ(s.Gruppe, v >= 17 ? 3 : 0);

    const TSpieler& zweiter = *Spielerliste[1];
    EXPECT_EQ(zweiter.Startnummer, 2) << "11 is taken: first free from one read plus one";
    EXPECT_EQ(zweiter.Vorname.str(), "Al") << "a blank at the third character splits";
    EXPECT_EQ(zweiter.Name.str(), "Ohm");
    EXPECT_EQ(zweiter.GetRundenAnzahl(), v <= 15 ? 5 : 0);
    EXPECT_EQ(zweiter.GetGegner(1), v <= 15 ? 0 : -1);

    const TSpieler& dritter = *Spielerliste[2];
    EXPECT_EQ(dritter.Startnummer, 3);
    EXPECT_EQ(dritter.Vorname.str(), "");
    EXPECT_EQ(dritter.Name.str(), "A Zett") << "a blank at the second character does not split";
}

class TurnierdateiVersion : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }
};

TEST_P(TurnierdateiVersion, ReadsEveryFieldTheVersionHoldsAndFillsTheRest) {
    const int v = GetParam();
    VorherigerStand();
    AlsSaat("version" + std::to_string(v), DateiDerVersion(v));
    LadeTurnierdatei(DateiDerVersion(v), "alt.dat");
    PruefeKopf(v);
    PruefeSpieler(v);
}

TEST_P(TurnierdateiVersion, RejectsTheFileCutShortAnywhere) {
    const int v = GetParam();
    const std::string voll = DateiDerVersion(v);
    for (std::size_t laenge : {voll.size() - 1, voll.size() / 2, std::size_t{5}}) {
        VorherigerStand();
        EXPECT_ANY_THROW(LadeTurnierdatei(voll.substr(0, laenge), "alt.dat")) << laenge;
        EXPECT_EQ(Turniername.str(), "alt");
        EXPECT_EQ(Spielerliste.size(), 1u);
        ResetCoreState();
    }
}

INSTANTIATE_TEST_SUITE_P(Versionen, TurnierdateiVersion, ::testing::Range(1, 19),
                         [](const auto& info) { return "v" + std::to_string(info.param); });

} // namespace
