// The standings, round pairings and run-sheet reports, checked on their laid-out pages.
#include "Spielerbau.h"
#include "core/Laufzettel.h"
#include "core/Paarungen.h"
#include "core/Teamturnier.h"
#include "platform/qt/QtText.h"
#include "qt/Berichtslesen.h"
#include "qt/Testumgebung.h"
#include "reports/Laufzettelbericht.h"
#include "reports/Spieltagbericht.h"
#include "reports/Tabellenbericht.h"
#include "translation/Translate.h"

#include <QLocale>

namespace {

// Round r of a player as the scoring left it.
void Ergebnis(int nummer, int r, int punkte, int siegpunkte, int armeepunkte = 0) {
    TSpieler& s = *FindeSpieler(nummer);
    s.SetPunkte(r, punkte);
    s.SetSiegpunkte(r, siegpunkte);
    s.SetArmeepunkte(r, armeepunkte);
}

TTTTeam& Team(int nummer, const char* name, std::array<int, 6> mitglieder) {
    auto& t = *Teamliste.emplace_back(std::make_unique<TTTTeam>());
    t.Nummer = nummer;
    t.Name = name;
    t.Mitglieder = mitglieder;
    return t;
}

void Paarung(int tisch, int a, const char* nameA, int b, const char* nameB) {
    auto& p = *Paarungsliste.emplace_back(std::make_unique<TPaarung>());
    p.Nummer1 = a;
    p.Nummer2 = b;
    p.Name1 = nameA;
    p.Name2 = nameB;
    p.SetTisch(tisch);
}

// Anna (1), the deleted Bert (2), Carl (3) and Dora (4) after two rounds.
void Tabellenstand() {
    TSpieler& anna = SpielerAnlegen(1, "Anna", "Arm");
    anna.Gesamtwertung = 12.5;
    anna.Siegpunktdifferenz = 700;
    anna.Gesamtpunkte = 13;
    anna.Armeebewertung = 5;
    anna.Bemalung = 6;
    anna.Quiz = 7;
    anna.FairplayGesamt = 8;
    anna.Sonstiges = 9;
    SpielerAnlegen(2, "Bert", "Berg").Geloescht = true;
    SpielerAnlegen(3, "Carl", "Cord").Gesamtwertung = 40;
    SpielerAnlegen(4, "Dora", "Dahl").Siegpunktdifferenz = -700;
    Ergebnis(1, 1, 15, 1200, 2);
    Ergebnis(1, 2, 15, 1000, 2);
    Ergebnis(1, 3, 20, 1000, 2); // beyond the current round
    AktuellerSpieltag = 2;
    Turniername = "Herbst";
}

} // namespace

class BerichteTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        t_ = std::make_unique<Testumgebung>();
        RegisterText(1, 96, " Paarungen Runde ");
        tabelle_.FormCreate();
        spieltag_.FormCreate();
        laufzettel_.FormCreate();
        QLocale::setDefault(QLocale(QLocale::German));
    }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        t_.reset();
    }

    void standingsSkipDeletedPlayersAndShowOnlyCountedScores_data() {
        QTest::addColumn<bool>("alle");
        QTest::addColumn<QStringList>("kopf");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("plain") << false
                               << QStringList{"Platz", "Name", "Punkte", "Gesamt", "Differenz"}
                               << QStringList{"1.|Anna Arm|30|12,5|700", "3.|Carl Cord|0|40|0",
                                              "4.|Dora Dahl|0|0|-700"};
        QTest::newRow("every score")
            << true << QStringList{"Platz", "Name",     "Punkte",    "Armee",  "Bemalung",
                                   "Quiz",  "Fairplay", "Sonstiges", "Gesamt", "Differenz"}
            << QStringList{"1.|Anna Arm|34(30)|5|6|7|8|9|12,5|700",
                           "3.|Carl Cord|0(0)|0|0|0|0|0|40|0",
                           "4.|Dora Dahl|0(0)|0|0|0|0|0|0|-700"};
    }
    void standingsSkipDeletedPlayersAndShowOnlyCountedScores() {
        QFETCH(bool, alle);
        Tabellenstand();
        for (bool* flag : {&ArmeebewertungKlassisch, &ArmeebewertungVergleichend, &BemalungWerten,
                           &QuizWerten, &FairplayWerten, &SonstigesWerten})
            *flag = alle;
        const auto seiten = tabelle_.QRTabelle.Layout();
        QCOMPARE(seiten.size(), size_t(1));
        QCOMPARE(Texte(seiten[0]).first(), QString("Herbst Tabelle Spieltag 2"));
        QTEST(Texte(seiten[0]).mid(1, alle ? 10 : 5), "kopf");
        QTEST(Detailzeilen(seiten), "zeilen");
    }

    void teamStandingsWithAndWithoutMembers_data() {
        QTest::addColumn<bool>("komplett");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("teams only")
            << false << QStringList{"1.|Rot|12|14|-2", "", "2.|Blau|0|0|0", ""};
        // Slot 3 of Rot is empty: Dora in slot 4 is not printed. Blau's slot 1 names nobody.
        QTest::newRow("complete") << true << QStringList{"1.|Rot|12|14|-2", "Anna Arm|30|13|700",
                                                         "Carl Cord|0|0|0", "",
                                                         "2.|Blau|0|0|0",   "geloescht",
                                                         "geloescht|0|0|0", ""};
    }
    void teamStandingsWithAndWithoutMembers() {
        QFETCH(bool, komplett);
        Tabellenstand();
        Teamturnier = true;
        ArmeebewertungKlassisch = false;
        TabelleKomplett = komplett;
        TTTTeam& rot = Team(1, "Rot", {-1, 1, 3, -1, 4, -1});
        rot.Punkte = 12.5; // halves round to even
        rot.Gesamt = 13.5;
        rot.Differenz = -2.4;
        Team(2, "Blau", {-1, 99, 2, -1, -1, -1});
        QTEST(Detailzeilen(tabelle_.QRTabelle.Layout()), "zeilen");
    }

    void roundPairings_data() {
        QTest::addColumn<bool>("extras");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("plain") << false
                               << QStringList{"2|Anna Berg|:|Carl Dorn|1200:800|12:8",
                                              "1|Emil Eck|:|Fritz Fink|____:____|__:__"};
        QTest::newRow("numbers and ratings")
            << true
            << QStringList{"2|(7)Anna Berg(55)|:|(12)Carl Dorn(40)|1200:800|12:8|15:9",
                           "1|(3)Emil Eck(0)|:|(4)Fritz Fink(0)|____:____|__:__"};
    }
    void roundPairings() {
        QFETCH(bool, extras);
        ArmeebewertungVergleichend = DruckMitSpielernummer = extras;
        SpielerAnlegen(7, "Anna", "Berg").Armeebewertung = 55;
        SpielerAnlegen(12, "Carl", "Dorn").Armeebewertung = 40;
        SpielerAnlegen(3, "Emil", "Eck");
        SpielerAnlegen(4, "Fritz", "Fink").Geloescht = true; // a game with one deleted player
        SpielerAnlegen(5, "Gus", "Gil").Geloescht = true;    // a game of two deleted players
        SpielerAnlegen(9, "Hans", "Hol").Geloescht = true;
        SpielerAnlegen(6, "Ida", "Iss").SetGegner(1, 6); // a bye
        SpielPaaren(1, 7, 12, 2);
        SpielPaaren(1, 3, 4, 1);
        SpielPaaren(1, 5, 9, 3);
        Ergebnis(7, 1, 12, 1200, 3);
        Ergebnis(12, 1, 8, 800, 1);
        Turniername = "Herbst";
        spieltag_.ErstelleDruckliste(1);
        const auto seiten = spieltag_.QuickRep1.Layout();
        QCOMPARE(Texte(seiten[0]).mid(0, 4),
                 QStringList({"Herbst Paarungen Runde 1", "Tisch", "Paarung", "Ergebnis"}));
        // Unlike the standings' title, this one has the report's plain 10 pt.
        QCOMPARE(seiten[0].texte[0].schrift.punkt, 10.0);
        QVERIFY(!seiten[0].texte[0].schrift.fett);
        QTEST(Detailzeilen(seiten), "zeilen");
        // Every run of the report starts at the first row; a new command rebuilds the rows.
        QCOMPARE(Detailzeilen(spieltag_.QuickRep1.Layout()), Detailzeilen(seiten));
        spieltag_.ErstelleDruckliste(2);
        QCOMPARE(Detailzeilen(spieltag_.QuickRep1.Layout()), QStringList());
    }

    void teamPairingsSumTheirMembersAndStopAfterRoundFive() {
        Teamturnier = DruckMitSpielernummer = true;
        for (int n : {1, 2, 3, 4, 5})
            SpielerAnlegen(n, "Sp", std::to_string(n));
        FindeSpieler(4)->Geloescht = true;
        SpielPaaren(1, 1, 2, 0);
        SpielPaaren(1, 3, 4, 0);
        Ergebnis(1, 1, 12, 1200);
        Ergebnis(2, 1, 8, 800);
        TTTTeam& rot = Team(1, "Rot", {-1, 1, 3, -1, 5, -1});
        rot.Gegner[1] = 2;
        rot.Tische[1] = 4;
        Team(2, "Blau", {-1, 2, 4, 77, -1, -1}).Gegner[1] = 1;
        const QStringList erwartet{"4|Rot|:|Blau|1200:800|12:8", "(1)Sp 1|:|(2)Sp 2|1200:800|12:8",
                                   "(3)Sp 3|:|(4)Sp 4|____:____|__:__", ""};
        spieltag_.ErstelleDruckliste(1);
        QCOMPARE(Detailzeilen(spieltag_.QuickRep1.Layout()), erwartet);
        QCOMPARE(spieltag_.Druckliste[1]->Nummer, 1);
        spieltag_.ErstelleDruckliste(6);
        QVERIFY(spieltag_.Druckliste.empty());
    }

    void runSheets_data() {
        QTest::addColumn<bool>("zwei");
        QTest::addColumn<bool>("extras");
        QTest::addColumn<QStringList>("zeilen");
        const QString punkte = "|Punkte : _______ zu ______";
        QTest::newRow("defaults") << true << false
                                  << QStringList{
                                         "Tisch Nr.5|Anna Berg(7) gegen Carl Dorn(12)" + punkte,
                                         "Tisch Nr.5|Carl Dorn(12) gegen Anna Berg(7)" + punkte,
                                         "Tisch Nr.6|Emil Eck(3) gegen Ida Iss(6)" + punkte,
                                         "Tisch Nr.6|Ida Iss(6) gegen Emil Eck(3)" + punkte};
        QTest::newRow("one per game, every line")
            << false << true
            << QStringList{"Tisch Nr.5|Anna Berg gegen Carl Dorn" + punkte +
                               "|Fairplay: ______ zu _______|Tunierpunkte: ______ zu ______"
                               "|Szenario: ______ zu _______",
                           "Tisch Nr.6|Emil Eck gegen Ida Iss" + punkte +
                               "|Fairplay: ______ zu _______|Tunierpunkte: ______ zu ______"
                               "|Szenario: ______ zu _______"};
    }
    void runSheets() {
        QFETCH(bool, zwei);
        QFETCH(bool, extras);
        LaufzettelZweiProPaarung = zwei;
        LaufzettelSpielernummern = !extras;
        LaufzettelTurnierpunkte = LaufzettelFairplay = LaufzettelSzenario = extras;
        Paarung(5, 7, "Anna Berg", 12, "Carl Dorn");
        Paarung(6, 3, "Emil Eck", 6, "Ida Iss");
        const auto seiten = laufzettel_.QuickRep1.Layout();
        QTEST(Detailzeilen(seiten), "zeilen");
        // The extra lines: tournament points beside the points, fair play below, scenario beside.
        const auto& texte = seiten[0].texte;
        const auto lage = [&](int id) {
            const QString text = Qs(GetTranslation(20, id));
            for (const auto& t : texte)
                if (t.text == text)
                    return t.mm.topLeft();
            return QPointF(-1, -1);
        };
        if (extras) {
            QCOMPARE(lage(6), QPointF(10, 10 + 12.7));
            QCOMPARE(lage(3), QPointF(10 + 99.5, 10 + 12.7));
            QCOMPARE(lage(5), QPointF(10, 10 + 21.2));
            QCOMPARE(lage(4), QPointF(10 + 99.5, 10 + 21.2));
        }
    }

    void eightRunSheetsToAPage() {
        LaufzettelZweiProPaarung = false;
        for (int i = 1; i <= 9; ++i)
            Paarung(i, i, "A", 20 + i, "B");
        const auto seiten = laufzettel_.QuickRep1.Layout();
        QCOMPARE(seiten.size(), size_t(2));
        QCOMPARE(seiten[0].baender.size(), size_t(8));
        QCOMPARE(seiten[0].baender[7].oben, 10 + 7 * 32.5);
        QCOMPARE(seiten[0].linien[7].y1(), 10 + 7 * 32.5 + 27.5 + 1.2);
        QCOMPARE(Texte(seiten[1]).first(), QString("Tisch Nr.9"));
    }

private:
    std::unique_ptr<Testumgebung> t_;
    TForm1 tabelle_;
    TRepSpieltag spieltag_;
    TRepLaufzettel laufzettel_;
};

QTEST_MAIN(BerichteTest)
#include "BerichteTest.moc"
