// The player overview and the status report from the main window's print menu: rows, texts and
// positions of the pages, and the print configuration dialog across showings.
#include "MainFixture.h"

#include "qt/Bedienen.h"
#include "qt/Berichtslesen.h"
#include "qt/ModalerDialog.h"

#include <QRadioButton>
#include <QScreen>

namespace {

const TBerichtText& Finde(const TBerichtSeite& seite, const char* name, int zeile) {
    for (const auto& t : seite.texte)
        if (QByteArray(t.name) == name && t.zeile == zeile)
            return t;
    qFatal("no text %s in row %d", name, zeile);
}

} // namespace

class SpielerlistenDruck : public QObject {
    Q_OBJECT
private slots:
    void overviewPrintsEachPlayerOnceByNameWithBlanksToFillIn() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        NeuerSpieler(3, "Zoe", "Zander", "Orks", "Halven", " Neutral ", 0).Nickname = "Zed";
        TSpieler& anna = NeuerSpieler(1, "anna", "Arm", "Elfen", "Dornwalde", "neutral", 0);
        anna.Armeebewertung = 4, anna.Bemalung = 7, anna.Quiz = 3;
        NeuerSpieler(2, "Bert", "Berg", "Zwerge", "Neutral", "Blau", 0).Geloescht = true;
        NeuerSpieler(5, "Carl", "Cord", "Goblins", "Neutral", "Rot", 0).Quiz = -1;
        NeuerSpieler(6, "Carl", "Cord", "Echsen", "Neutral", "Rot", 0);

        DruckMitSpielernummer = true; // off after a start without Config.dat
        main.Spielerbersicht1->trigger();
        const auto& vorschau = windows.vorschauen;
        QCOMPARE(vorschau.titel, QString("Spielerübersicht"));
        const TBerichtSeite& seite = vorschau.seiten[0];
        QCOMPARE(Texte(seite).mid(0, 9),
                 QStringList({"Spielerübersicht", "Name", "Ort", "Team", "(Nummer)", "Armee",
                              "Bewertung", "Bemalung", "Quiz"}));
        QCOMPARE(Detailzeilen(vorschau.seiten),
                 QStringList({"1|(1)|anna Arm|Elfen|Dornwalde|4|7|neutral|3",
                              "2|(5)|Carl Cord|Goblins|Neutral|0|___|Rot|___",
                              "3|(6)|Carl Cord|Echsen|Neutral|0|___|Rot|___",
                              "4|(3)|Zoe 'Zed' Zander|Orks|Halven|0|___|___"}));
        // Right edges of the right-aligned scores, the second line 4.2 mm below the first.
        const double band = Finde(seite, "QRLbNummer", 0).mm.top();
        QCOMPARE(Finde(seite, "QRLbBemalung", 0).mm.right(), 10 + 121.2);
        QCOMPARE(Finde(seite, "QRLbQuiz", 0).mm.right(), 10 + 178.3);
        QCOMPARE(Finde(seite, "QRLbStartnummer", 0).mm.top(), band + 4.2);
        QCOMPARE(Finde(seite, "QRLbNummer", 1).mm.top(), band + 9.3);

        // Without start numbers the second line starts with the army, the header has no number.
        DruckMitSpielernummer = false;
        main.Spielerbersicht1->trigger();
        QVERIFY(!Texte(vorschau.seiten[0]).contains("(Nummer)"));
        QVERIFY(!Texte(vorschau.seiten[0]).contains("(1)"));
        QVERIFY(windows.messages.shown.empty());
    }

    void statusReportFollowsTheDialogWhichKeepsItsBoxesButNotTheSort() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        for (const auto& [nummer, vorname, name, status, bezahlt] :
             {std::tuple{10, "Zora", "Zeh", 3, true},
              {2, "anna", "arm", 0, false},
              {5, "\xD6mer", "\xD6z", 2, true}}) {
            TSpieler& neu = SpielerAnlegen(nummer, vorname, name);
            neu.ArmeelisteStatus = status, neu.Bezahlt = bezahlt;
        }
        FindeSpieler(5)->Geloescht = true;
        const auto& vorschau = windows.vorschauen;

        // First showing as created: everyone, by name, start numbers before the names; the
        // dialog centred on the screen at the size its captions give it.
        QStringList sortierung;
        QPoint abseits;
        ModalerDialog erster([&sortierung, &abseits](QDialog& dlg) {
            sortierung = Texte(Element<QComboBox>(&dlg, "cbVerSortBy"));
            abseits = dlg.frameGeometry().center() - dlg.screen()->availableGeometry().center();
            Klick(&dlg, "OKBtn");
        });
        main.Verwaltungsdrucke1->trigger();
        QVERIFY2(abseits.manhattanLength() <= 2,
                 qPrintable(QString("%1 %2").arg(abseits.x()).arg(abseits.y())));
        QCOMPARE(sortierung,
                 QStringList({"Name", "Armeeliste", "Bezahlt", "Gemeldet", "Startnummer"}));
        QCOMPARE(vorschau.titel, QString("Spieler Status"));
        QCOMPARE(
            Texte(vorschau.seiten[0]).mid(0, 5),
            QStringList({"Spieler Status", "Name", "Armeelisten Status", "Bezahlt", "Gemeldet"}));
        QCOMPARE(Detailzeilen(vorschau.seiten),
                 QStringList({"10 Zora Zeh|Ok|Ja|Nein", "2 anna arm|Fehlt|Nein|Nein",
                              "5 Ömer Öz|Rücksprache|Ja|Nein"}));

        ModalerDialog zweiter([](QDialog& dlg) {
            Element<QCheckBox>(&dlg, "cbAlAlle")->setChecked(false);
            Element<QCheckBox>(&dlg, "cbAlFehlt")->setChecked(true);
            Element<QCheckBox>(&dlg, "cbAlOk")->setChecked(true);
            Element<QRadioButton>(&dlg, "rbNein")->setChecked(true);
            Element<QComboBox>(&dlg, "cbVerSortBy")->setCurrentIndex(4);
            Klick(&dlg, "OKBtn");
        });
        main.Verwaltungsdrucke1->trigger();
        QCOMPARE(Detailzeilen(vorschau.seiten),
                 QStringList({"anna arm|Fehlt|Nein|Nein", "Zora Zeh|Ok|Ja|Nein"}));

        // The boxes stay as left, the sort is back at name; cancel prints nothing.
        QStringList stand;
        ModalerDialog dritter([&stand](QDialog& dlg) {
            for (const char* name : {"cbAlAlle", "cbAlFehlt", "cbAlOk", "rbJa"})
                stand << QString::number(Element<QAbstractButton>(&dlg, name)->isChecked());
            stand << QString::number(Element<QComboBox>(&dlg, "cbVerSortBy")->currentIndex());
            Klick(&dlg, "CancelBtn");
        });
        main.Verwaltungsdrucke1->trigger();
        QCOMPARE(stand, QStringList({"0", "1", "1", "0", "0"}));
        QCOMPARE(vorschau.gezeigt, 2);
        QVERIFY(windows.messages.shown.empty());
    }
};

QTEST_MAIN(SpielerlistenDruck)
#include "SpielerlistenDruck.moc"
