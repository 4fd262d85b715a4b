#include "Spielerbau.h"
#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Teamturnier.h"
#include "dialogs/DOptionen.h"
#include "dialogs/DPaaren.h"
#include "platform/Cp1252.h"
#include "qt/DialogTest.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Players up to number anzahl after those there are, named "Vn<k> Nn<k>", each with an army
// of his own; the army rating places player 1 first, player n last.
void Spieler(int anzahl) {
    for (int k = static_cast<int>(Spielerliste.size()) + 1; k <= anzahl; ++k) {
        TSpieler& s = SpielerAnlegen(k, "Vn" + std::to_string(k), "Nn" + std::to_string(k));
        s.Armee = "Armee" + std::to_string(k);
        s.Armeebewertung = 100 - k;
    }
}

std::string Name(int k) {
    return "Vn" + std::to_string(k) + " Nn" + std::to_string(k);
}
// The opponents of round 1, in start number order.
std::vector<int> Gegner() {
    std::vector<int> gegner;
    for (int k = 1; FindeSpieler(k); ++k)
        gegner.push_back(FindeSpieler(k)->GetGegner(1));
    return gegner;
}

const std::string Titel = "Halvener Paarungs Programm";

} // namespace

class PaarungsDialogTest : public QObject, DialogTest<TDlgPaaren> {
    Q_OBJECT

    void Fest(const std::string& a, const std::string& b) {
        W<QComboBox>("cbSpieler1")->setCurrentText(Qs(a));
        W<QComboBox>("cbSpieler2")->setCurrentText(Qs(b));
        Klick("bHinzu");
    }
    static QString Qs(const std::string& cp1252) {
        return QString::fromStdString(Cp1252ToUtf8(cp1252));
    }
    // Presses "Jetzt Paaren" and, when a search started, waits for its end.
    void Paaren() {
        QSignalSpy ende(dlg_.get(), &TDlgPaaren::SucheBeendet);
        Klick("OKBtn");
        if (dlg_->Sucht())
            QVERIFY(ende.wait(20000));
        QVERIFY(!dlg_->Sucht());
    }
    // The texts shown, in order; every caption is checked on the way.
    std::vector<std::string> Meldungen() const {
        std::vector<std::string> texte;
        for (const auto& m : messages_->shown) {
            const std::string titel = m.kind == RecordedMessage::Question ? "Achtung" : Titel;
            texte.push_back(m.caption == titel ? m.text : "caption " + m.caption);
        }
        return texte;
    }

private slots:
    void init() {
        Neu();
        Erzeugen();
    }
    void cleanup() { Abbauen(); }

    void sevenPlayersPairWithAByeAndThePositionGaps() {
        Spieler(7);
        dlg_->show();
        QCOMPARE(dlg_->windowTitle(), QString("Paaren"));
        QCOMPARE(W<QPushButton>("OKBtn")->text(), QString("Jetzt Paaren"));
        QCOMPARE(W<QComboBox>("cbSpieler1")->count(), 7);
        QCOMPARE(W<QComboBox>("cbSpieler1")->currentIndex(), -1);

        QSignalSpy ende(dlg_.get(), &TDlgPaaren::SucheBeendet);
        Klick("OKBtn");
        // The search runs apart; until its end reaches the window, the window is busy.
        QVERIFY(dlg_->Sucht());
        QVERIFY(!W<QPushButton>("OKBtn")->isEnabled());
        QVERIFY(!W<QPushButton>("CancelBtn")->isEnabled());
        QVERIFY(W<QProgressBar>("pbSuche")->isVisibleTo(dlg_.get()));
        QTest::keyClick(dlg_.get(), Qt::Key_Escape);
        QVERIFY(dlg_->isVisible());
        QVERIFY(ende.wait(20000));

        QVERIFY(!dlg_->isVisible());
        QCOMPARE(dlg_->result(), int(QDialog::Accepted));
        QCOMPARE(Meldungen(), (std::vector<std::string>{
                                  Utf8ToCp1252("Achtung: Ungerade Spieleranzahl! Eventuell "
                                               "Dummy-Spieler anlegen!"),
                                  Utf8ToCp1252("Paaren erfolgreich!\r\nAbstände:\r\n1. gegen "
                                               "2.\r\n1. gegen 2.\r\n1. gegen 2.\r\n")}));
        QCOMPARE(Gegner(), (std::vector<int>{2, 1, 4, 3, 6, 5, 7}));
        QCOMPARE(FindeSpieler(7)->GetGegnerArmee(1), std::string("Armee7"));
        QCOMPARE(Paarungsliste.size(), size_t(3));
        QVERIFY(FindeSpieler(1)->GetTisch(1) > 0);
    }

    void pairingAgainAsksFirst() {
        Spieler(4);
        dlg_->show();
        Paaren();
        QCOMPARE(Gegner(), (std::vector<int>{2, 1, 4, 3}));
        messages_->shown.clear();

        // Results of the round count in the standings of the new pairing: player 4 now leads.
        FindeSpieler(4)->SetPunkte(1, 20);
        dlg_->show();
        messages_->AnswerNext(false);
        Paaren();
        QVERIFY(dlg_->isVisible());
        QCOMPARE(Meldungen(), std::vector<std::string>{Utf8ToCp1252(
                                  "Achtung, der Spieltag scheint schonmal gepaart worden zu "
                                  "sein! Wirklich fortfahren?")});
        QCOMPARE(Gegner(), (std::vector<int>{2, 1, 4, 3}));
        QCOMPARE(Spielerliste.front()->Startnummer, 1); // nothing was scored either

        messages_->AnswerNext(true);
        Paaren();
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Gegner(), (std::vector<int>{4, 3, 2, 1}));
        QCOMPARE(FindeSpieler(4)->GetPunkte(1), 20);
    }

    void fixedPairingsIncludingAPlayerAgainstHimself() {
        Spieler(7);
        dlg_->show();
        Fest(Name(1), Name(1));
        Fest(Name(2), Name(5));
        QCOMPARE(W<QListWidget>("lbFeste")->count(), 2);
        QCOMPARE(W<QListWidget>("lbFeste")->item(1)->text(),
                 QString::fromStdString(Name(2) + " : " + Name(5)));
        QCOMPARE(FesteListe, (std::vector<std::string>{Name(1), Name(1), Name(2), Name(5)}));
        QCOMPARE(W<QComboBox>("cbSpieler2")->count(), 4);
        QCOMPARE(W<QComboBox>("cbSpieler1")->findText(QString::fromStdString(Name(5))), -1);

        // Without a selection on both sides nothing is added.
        W<QComboBox>("cbSpieler1")->setCurrentIndex(0);
        Klick("bHinzu");
        QCOMPARE(W<QListWidget>("lbFeste")->count(), 2);

        // Removing a line gives both names back, once each, in order.
        Fest(Name(3), Name(6));
        W<QListWidget>("lbFeste")->item(2)->setSelected(true);
        Klick("bEntfernen");
        QCOMPARE(W<QListWidget>("lbFeste")->count(), 2);
        QCOMPARE(FesteListe.size(), size_t(4));
        QCOMPARE(Texte(W<QComboBox>("cbSpieler1")),
                 QStringList({"Vn3 Nn3", "Vn4 Nn4", "Vn6 Nn6", "Vn7 Nn7"}));

        Paaren();
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Gegner(), (std::vector<int>{1, 5, 4, 3, 2, 7, 6}));
        // Four left to pair: no bye message, only the success with its figures.
        QCOMPARE(messages_->Count(RecordedMessage::Message), size_t(1));
        QVERIFY(messages_->shown[0].text.rfind("Paaren erfolgreich!\r\n", 0) == 0);
    }

    void everyoneFixedCommitsWithoutAMessage() {
        Spieler(3);
        dlg_->show();
        Fest(Name(1), Name(3));
        Fest(Name(2), Name(2));
        Paaren();
        QVERIFY(!dlg_->isVisible());
        QVERIFY(messages_->shown.empty());
        QCOMPARE(Gegner(), (std::vector<int>{3, 2, 1}));
    }

    void aByeForTheOnlyOneLeftIsASuccess() {
        Spieler(3);
        dlg_->show();
        Fest(Name(1), Name(2));
        Paaren();
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Gegner(), (std::vector<int>{2, 1, 3}));
        QCOMPARE(messages_->Count(RecordedMessage::Message), size_t(2));
        QCOMPARE(messages_->shown[1].text,
                 Utf8ToCp1252("Paaren erfolgreich!\r\nAbstände:\r\n1. gegen 2.\r\n1. gegen "
                              "2.\r\n1. gegen 2.\r\n"));
    }

    void anOddGroupStopsTheRun() {
        Spieler(4);
        GruppenBeachten = true;
        FindeSpieler(1)->Gruppe = 1;
        FindeSpieler(2)->Gruppe = 2;
        FindeSpieler(3)->Gruppe = 2;
        FindeSpieler(4)->Gruppe = 2;
        dlg_->show();
        Paaren();
        QVERIFY(dlg_->isVisible());
        QCOMPARE(messages_->Count(RecordedMessage::Message), size_t(1));
        QVERIFY(messages_->shown[0].text.find("Gruppe 1 hat eine ungerade") != std::string::npos);
        QVERIFY(messages_->shown[0].text.find("Gruppe 2 hat eine ungerade") != std::string::npos);
        QCOMPARE(Gegner(), (std::vector<int>{-1, -1, -1, -1}));
    }

    void aTeamTournamentPairsTeams() {
        Teamturnier = true;
        Spieler(6);
        const char* teams[] = {"Rot", "Rot", "Blau", "Blau", "Gelb", "Gelb"};
        for (size_t i = 0; i < 6; ++i) {
            Spielerliste[i]->Team = teams[i];
            Spielerliste[i]->TeamNr = static_cast<int>(i % 2) + 1;
        }
        ErstelleTeampaarungen();
        // A team tournament has no bye: three teams cannot all be paired.
        dlg_->show();
        QCOMPARE(W<QComboBox>("cbSpieler1")->count(), 3);
        QCOMPARE(W<QComboBox>("cbSpieler1")->itemText(0), QString("Blau"));
        Paaren();
        QVERIFY(dlg_->isVisible());
        QCOMPARE(Meldungen(),
                 std::vector<std::string>{"Paaren nicht erfolgreich, bitte Restriktionen lockern"});

        messages_->shown.clear();
        Spieler(7);
        Spielerliste.back()->Team = "Gruen";
        Spielerliste.back()->TeamNr = 1;
        ErstelleTeampaarungen();
        dlg_->show();
        Fest("Rot", "Gelb");
        Paaren();
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Meldungen(), std::vector<std::string>{"Paaren erfolgreich!"});
        // Members meet slot against slot.
        QCOMPARE(Gegner(), (std::vector<int>{5, 6, 7, -1, 1, 2, 3}));
    }

    void namesFitTheListsAlsoWhenTheFirstShowingHadNone() {
        // At start-up the dialog is often first opened before any player exists.
        dlg_->show();
        dlg_->reject();
        Spieler(1);
        Spielerliste[0]->Vorname = "Maximiliane";
        Spielerliste[0]->Name = "Mustermann-Schulze";
        dlg_->show();
        for (const char* name : {"cbSpieler1", "cbSpieler2"}) {
            auto* box = W<QComboBox>(name);
            const int text = box->fontMetrics().horizontalAdvance(box->itemText(0));
            QVERIFY2(box->width() > text, name);
        }
    }

    void theOptionButtonShowsTheOptionsDialog() {
        TDlgOptionen optionen;
        optionen.FormCreate();
        DlgOptionen = &optionen;
        Spieler(2);
        dlg_->show();
        bool gezeigt = false;
        QTimer::singleShot(0, [&] {
            gezeigt = optionen.isVisible();
            optionen.reject();
        });
        Klick("bOption");
        DlgOptionen = nullptr;
        QVERIFY(gezeigt);
        QVERIFY(dlg_->isVisible());
    }
};

QTEST_MAIN(PaarungsDialogTest)
#include "PaarungsDialogTest.moc"
