#include "CoreState.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "dialogs/DOptionen.h"
#include "platform/Cp1252.h"
#include "platform/Guarded.h"
#include "qt/Element.h"
#include "server/ClientListe.h"
#include "translation/Translate.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Lines 2..21 and the lists of a version 2 file: rule 0 off with tolerance 3, line 9 "3",
// every other rule on, painting counted, comparative army rating, scenario counted; a neutral
// army with umlauts in Windows-1252.
const std::string BeispielConfig = "2\r\n"
                                   "FALSE\r\n3\r\nTRUE\r\n0\r\nTRUE\r\n1\r\nTRUE\r\n3\r\n0\r\n"
                                   "TRUE\r\n2\r\n"
                                   "TRUE\r\nTRUE\r\nFALSE\r\nTRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\n"
                                   "FALSE\r\nTRUE\r\n"
                                   "1\r\nNeutral\r\n"
                                   "0\r\n"
                                   "2\r\nOrks\r\n\xdc"
                                   "berl\xe4ufer\r\n";

// Replaces the first occurrence, which must exist.
void Ersetze(std::string& text, const std::string& alt, const std::string& neu) {
    const auto pos = text.find(alt);
    if (pos == std::string::npos)
        qFatal("%s not found", alt.c_str());
    text.replace(pos, alt.size(), neu);
}

std::vector<std::string> Zeilen(QListWidget* box) {
    std::vector<std::string> zeilen;
    for (int i = 0; i < box->count(); ++i)
        zeilen.push_back(box->item(i)->text().toStdString());
    return zeilen;
}

void NeuerSpieler(int nummer, const char* herkunft, const char* team, const char* armee) {
    Spielerliste.push_back(std::make_unique<TSpieler>());
    TSpieler& spieler = *Spielerliste.back();
    spieler.Startnummer = nummer;
    spieler.Herkunft = herkunft;
    spieler.Team = team;
    spieler.Armee = armee;
}

} // namespace

class OptionenDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingMessages> messages_;
    TSimpleClient* client_ = nullptr;

    // As the start-up creates it: a failing creation step is shown and the window stays.
    std::unique_ptr<TDlgOptionen> Erzeugen() {
        auto dlg = std::make_unique<TDlgOptionen>();
        Guarded([&dlg] { dlg->FormCreate(); });
        return dlg;
    }
    // A connected client that has fetched everything.
    void ClientHatAllesGeholt() { client_->NeedsMatrix = client_->NeedsOptions = false; }
    template <class T> static T* W(QWidget* dlg, const char* name) { return Element<T>(dlg, name); }
    static void Ok(QWidget* dlg) { QTest::mouseClick(W<QPushButton>(dlg, "OK"), Qt::LeftButton); }

private slots:
    void init() {
        ResetCoreState();
        QLocale::setDefault(QLocale::c());
        dir_ = std::make_unique<TempDir>();
        ProgrammVerzeichnis = dir_->path().string();
        messages_ = std::make_unique<RecordingMessages>();
        Clientliste.push_back(std::make_unique<TSimpleClient>());
        client_ = Clientliste.back().get();
        ClientHatAllesGeholt();
    }
    void cleanup() {
        messages_.reset();
        dir_.reset();
    }

    void creationWithoutFileSetsTheDialogDefaults() {
        // Values the main window set before are overwritten by the dialog's own.
        DruckMitSpielernummer = true;
        Teamturnier = true;
        GruppenBeachten = true;
        RundenAnzahl = 9;
        FairplayWerten = true;
        Toleranzen[2] = 4;
        MalGegenSelbeArmee = 3;
        auto dlg = Erzeugen();
        QVERIFY(!DruckMitSpielernummer);
        QVERIFY(FairplayProSpiel && SzenarioEingabe && !SiegpunktmatrixBenutzen);
        QVERIFY(!Teamturnier && !GruppenBeachten && !PaarungshilfeAnzeigen && !FairplayWerten);
        QVERIFY(GleicheArmeenBeachten && KeinePaarungenMehrfach && GleicheOrteBeachten &&
                NurNMalGegenArmee && GleicheTeamsBeachten);
        QVERIFY(ErsteRundeNachArmeebewertung && ArmeebewertungKlassisch &&
                !ArmeebewertungVergleichend);
        QCOMPARE(RundenAnzahl, 5);
        QCOMPARE(MalGegenSelbeArmee, 2);
        QCOMPARE(Toleranzen[2], 0);
        QCOMPARE(FaktorQuiz, 1.0);
        QVERIFY(!client_->NeedsMatrix && !client_->NeedsOptions);
        QVERIFY(messages_->shown.empty());
        QVERIFY(!std::filesystem::exists(*dir_ / "Config.dat"));
    }

    void configIsLoadedAtCreationAndSavedBackByteForByte() {
        WriteBytes(*dir_ / "Config.dat", BeispielConfig);
        auto dlg = Erzeugen();
        QVERIFY(messages_->shown.empty());
        QVERIFY(!GleicheArmeenBeachten);
        QCOMPARE(Toleranzen[0], 3);
        QCOMPARE(Toleranzen[2], 1);
        QCOMPARE(Toleranzen[4], 2);
        QCOMPARE(MalGegenSelbeArmee, 3);
        QVERIFY(ArmeebewertungVergleichend && !ArmeebewertungKlassisch);
        QVERIFY(BemalungWerten && SzenarioWerten && !QuizWerten);
        QCOMPARE(OrteNeutral, std::vector<std::string>{"Neutral"});
        QCOMPARE(ArmeenNeutral, (std::vector<std::string>{"Orks", Utf8ToCp1252("Überläufer")}));

        dlg->show();
        QCOMPARE(W<QLineEdit>(dlg.get(), "EArmeen")->text(), QString("3"));
        QVERIFY(W<QRadioButton>(dlg.get(), "rbVergleichend")->isChecked());
        std::filesystem::remove(*dir_ / "Config.dat");
        W<QAction>(dlg.get(), "AlsStandardSpeichern1")->trigger();
        QCOMPARE(ReadBytes(*dir_ / "Config.dat"), BeispielConfig);

        // Unapplied changes are saved as they stand.
        W<QCheckBox>(dlg.get(), "cbQuiz")->setChecked(true);
        W<QLineEdit>(dlg.get(), "ETeams")->setText("7");
        W<QAction>(dlg.get(), "AlsStandardSpeichern1")->trigger();
        std::string erwartet = BeispielConfig;
        Ersetze(erwartet, "TRUE\r\n2\r\n", "TRUE\r\n7\r\n");
        Ersetze(erwartet, "TRUE\r\nFALSE\r\nFALSE\r\nFALSE\r\nTRUE\r\n1",
                "TRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\nTRUE\r\n1");
        QCOMPARE(ReadBytes(*dir_ / "Config.dat"), erwartet);
        QVERIFY(!QuizWerten);
    }

    void loadingOutOfRangeTextsAndSwitchesFollowsTheControls() {
        // Line 9 outside 1..4 and a letter tolerance fall back to the remembered values; a
        // "FALSE" round-points line leaves the box checked; both army-rating radios unchecked
        // count neither rating.
        std::string config = BeispielConfig;
        Ersetze(config, "FALSE\r\n3\r\n", "FALSE\r\nx\r\n");
        Ersetze(config, "TRUE\r\n3\r\n0", "TRUE\r\n7\r\n0");
        Ersetze(config, "TRUE\r\nTRUE\r\nFALSE\r\nTRUE", "FALSE\r\nTRUE\r\nFALSE\r\nFALSE");
        WriteBytes(*dir_ / "Config.dat", config);
        auto dlg = Erzeugen();
        QCOMPARE(Toleranzen[0], 0);
        QCOMPARE(MalGegenSelbeArmee, 2);
        QVERIFY(!ArmeebewertungKlassisch && !ArmeebewertungVergleichend);
        dlg->show();
        QVERIFY(W<QCheckBox>(dlg.get(), "cbTunierpunkte")->isChecked());
        QCOMPARE(W<QLineEdit>(dlg.get(), "ETimesAgainstArmy")->text(), QString("2"));
    }

    void versionOneKeepsScenarioAndReadsListsFromLine21() {
        std::string config = BeispielConfig;
        config[0] = '1';
        config.erase(config.find("TRUE\r\n1\r\nNeutral"), 6); // no line 21
        WriteBytes(*dir_ / "Config.dat", config);
        SzenarioWerten = true; // the box keeps its design state: unchecked
        auto dlg = Erzeugen();
        QVERIFY(!SzenarioWerten);
        QCOMPARE(OrteNeutral, std::vector<std::string>{"Neutral"});
        QCOMPARE(ArmeenNeutral.size(), size_t(2));
    }

    void damagedCountAtStartupIsShownAndTheOptionStateStays() {
        std::string config = BeispielConfig;
        Ersetze(config, "0\r\n2\r\nOrks", "x\r\n2\r\nOrks");
        WriteBytes(*dir_ / "Config.dat", config);
        FairplayProSpiel = false;
        auto dlg = Erzeugen();
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
        QVERIFY(messages_->shown[0].text.find("106") != std::string::npos);
        // The OK step was skipped: the state is still the main window's.
        QVERIFY(GleicheArmeenBeachten && DruckMitSpielernummer && !FairplayProSpiel);
        QVERIFY(OrteNeutral.empty());
        // The controls read before the damage keep their values; the later check boxes were not
        // set by the load.
        QVERIFY(!W<QCheckBox>(dlg.get(), "cbArmeen")->isChecked());
        QCOMPARE(W<QListWidget>(dlg.get(), "lbNeutral")->count(), 1);
        QVERIFY(!W<QCheckBox>(dlg.get(), "cbFairplayProSpiel")->isChecked());
    }

    void numberEditsAreCheckedWhileTyping() {
        auto dlg = Erzeugen();
        dlg->show();
        auto* mal = W<QLineEdit>(dlg.get(), "ETimesAgainstArmy");
        mal->selectAll();
        QTest::keyClicks(mal, "5");
        QCOMPARE(mal->text(), QString("2"));
        mal->selectAll();
        QTest::keyClicks(mal, "3");
        QCOMPARE(mal->text(), QString("3"));
        mal->setText(" 4");
        QCOMPARE(mal->text(), QString("4"));

        auto* orte = W<QLineEdit>(dlg.get(), "EOrte");
        orte->selectAll();
        QTest::keyClicks(orte, "12");
        QCOMPARE(orte->text(), QString("12"));
        QTest::keyClicks(orte, "a");
        QCOMPARE(orte->text(), QString("12"));
        orte->clear();
        QCOMPARE(orte->text(), QString("12"));
        orte->setText("-3");
        QCOMPARE(orte->text(), QString("-3"));

        auto* runden = W<QLineEdit>(dlg.get(), "ERundenAnzahl");
        for (const char* schlecht : {"0", "-1", "100", "x"}) {
            runden->setText(schlecht);
            QCOMPARE(runden->text(), QString("5"));
        }
        runden->setText("8");
        Ok(dlg.get());
        QCOMPARE(MalGegenSelbeArmee, 4);
        QCOMPARE(Toleranzen[2], -3);
        QCOMPARE(RundenAnzahl, 8);

        // A team tournament holds five rounds.
        dlg->show();
        W<QCheckBox>(dlg.get(), "cbTeamTurnier")->setChecked(true);
        Ok(dlg.get());
        QVERIFY(Teamturnier);
        QCOMPARE(RundenAnzahl, 5);
    }

    void percentWeightsShowInTheLocaleAndAnErrorStopsOkWhereItStands() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto dlg = Erzeugen();
        FaktorQuiz = 0.125;
        FaktorSonstige = 0.07;
        dlg->show();
        QCOMPARE(W<QLineEdit>(dlg.get(), "EProzentQuiz")->text(), QString("12,5"));
        QCOMPARE(W<QLineEdit>(dlg.get(), "EProzentSonstige")->text(), QString("7"));
        QCOMPARE(W<QLineEdit>(dlg.get(), "EProzentTurnier")->text(), QString("100"));

        W<QLineEdit>(dlg.get(), "EProzentTurnier")->setText("50");
        W<QLineEdit>(dlg.get(), "EProzentFairplay")->setText("12,5");
        W<QLineEdit>(dlg.get(), "EProzentQuiz")->setText("1x");
        W<QLineEdit>(dlg.get(), "EProzentArmee")->setText("200");
        W<QLineEdit>(dlg.get(), "ERundenAnzahl")->setText("7");
        W<QCheckBox>(dlg.get(), "cbDruckMitSpielernummer")->setChecked(true);
        W<QCheckBox>(dlg.get(), "bSiegpunktmatrix")->setChecked(true);
        W<QCheckBox>(dlg.get(), "cbGleiche")->setChecked(false);
        Ok(dlg.get());
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
        QVERIFY(messages_->shown[0].text.find("1x") != std::string::npos);
        QCOMPARE(FaktorTurnier, 0.5);
        QCOMPARE(FaktorFairplay, 0.125);
        QVERIFY(!KeinePaarungenMehrfach);
        QCOMPARE(FaktorQuiz, 0.125);
        QCOMPARE(FaktorArmee, 1.0);
        QCOMPARE(RundenAnzahl, 5);
        QVERIFY(!DruckMitSpielernummer && !SiegpunktmatrixBenutzen);
        QVERIFY(!client_->NeedsMatrix);
    }

    void okNotifiesTheClientsExactlyWhenTheirOptionsChange() {
        auto dlg = Erzeugen();
        dlg->show();
        Ok(dlg.get());
        QVERIFY(!client_->NeedsMatrix && !client_->NeedsOptions);

        dlg->show();
        W<QCheckBox>(dlg.get(), "bSiegpunktmatrix")->setChecked(true);
        Ok(dlg.get());
        QVERIFY(client_->NeedsMatrix && !client_->NeedsOptions);
        QVERIFY(SiegpunktmatrixBenutzen);

        ClientHatAllesGeholt();
        dlg->show();
        W<QCheckBox>(dlg.get(), "cbSzenarioEingabe")->setChecked(false);
        Ok(dlg.get());
        QVERIFY(!client_->NeedsMatrix && client_->NeedsOptions);
        QVERIFY(!SzenarioEingabe && FairplayProSpiel);

        ClientHatAllesGeholt();
        dlg->show();
        W<QCheckBox>(dlg.get(), "cbFairplayProSpiel")->setChecked(false);
        W<QCheckBox>(dlg.get(), "cbDruckMitSpielernummer")->setChecked(true);
        Ok(dlg.get());
        QVERIFY(client_->NeedsOptions && !FairplayProSpiel && DruckMitSpielernummer);

        ClientHatAllesGeholt();
        dlg->show();
        W<QCheckBox>(dlg.get(), "cbDruckMitSpielernummer")->setChecked(false);
        Ok(dlg.get());
        QVERIFY(!client_->NeedsMatrix && !client_->NeedsOptions);

        // Cancel applies nothing.
        dlg->show();
        W<QCheckBox>(dlg.get(), "cbSzenarioEingabe")->setChecked(true);
        QTest::mouseClick(W<QPushButton>(dlg.get(), "Abbrechen"), Qt::LeftButton);
        QVERIFY(!SzenarioEingabe && !client_->NeedsOptions);
    }

    void neutralListsFollowTheBoxesOnOk() {
        auto dlg = Erzeugen();
        NeuerSpieler(1, "Neutral", "Rot", "Orks");
        NeuerSpieler(2, " neutral ", "Blau", "Elfen");
        NeuerSpieler(3, "Essen", "rot", "Orks");
        dlg->show();
        auto* links = W<QListWidget>(dlg.get(), "lbTeamBeruecksichtigt");
        auto* rechts = W<QListWidget>(dlg.get(), "lbTeamNeutral");
        QCOMPARE(Zeilen(W<QListWidget>(dlg.get(), "lbBeruecksichtigt")),
                 (std::vector<std::string>{"Essen", "Neutral"}));
        QCOMPARE(Zeilen(links), (std::vector<std::string>{"Blau", "Rot"}));

        // Nothing selected: nothing moves.
        links->clearSelection();
        QTest::mouseClick(W<QPushButton>(dlg.get(), "btTeamToRight"), Qt::LeftButton);
        QCOMPARE(rechts->count(), 0);
        links->setCurrentRow(1);
        QTest::mouseClick(W<QPushButton>(dlg.get(), "btTeamToRight"), Qt::LeftButton);
        QCOMPARE(Zeilen(links), std::vector<std::string>{"Blau"});
        QCOMPARE(Zeilen(rechts), std::vector<std::string>{"Rot"});
        QVERIFY(TeamsNeutral.empty()); // only OK changes the lists
        Ok(dlg.get());
        QCOMPARE(TeamsNeutral, std::vector<std::string>{"Rot"});
        QCOMPARE(TeamsBeruecksichtigt, std::vector<std::string>{"Blau"});

        // Cancel after a move changes nothing, and the next opening shows the lists as before.
        dlg->show();
        W<QListWidget>(dlg.get(), "lbArmeeBeruecksichtigt")->setCurrentRow(0);
        QTest::mouseClick(W<QPushButton>(dlg.get(), "btArmeeToRight"), Qt::LeftButton);
        QTest::mouseClick(W<QPushButton>(dlg.get(), "Abbrechen"), Qt::LeftButton);
        QVERIFY(ArmeenNeutral.empty());
        dlg->show();
        QCOMPARE(Zeilen(W<QListWidget>(dlg.get(), "lbArmeeBeruecksichtigt")),
                 (std::vector<std::string>{"Elfen", "Orks"}));
        QCOMPARE(W<QListWidget>(dlg.get(), "lbArmeeNeutral")->count(), 0);

        // Moving a value back makes it count again and shows it once, on the left.
        rechts->setCurrentRow(0);
        QTest::mouseClick(W<QPushButton>(dlg.get(), "btTeamToLeft"), Qt::LeftButton);
        Ok(dlg.get());
        QVERIFY(TeamsNeutral.empty());
        dlg->show();
        QCOMPARE(Zeilen(links), (std::vector<std::string>{"Blau", "Rot"}));
        QCOMPARE(rechts->count(), 0);
    }

    void loadingDefaultsTwiceListsAValueTwiceButOkKeepsItOnce() {
        WriteBytes(*dir_ / "Config.dat", BeispielConfig);
        auto dlg = Erzeugen();
        NeuerSpieler(1, "Neutral", "Neutral", "Orks");
        dlg->show();
        QCOMPARE(Zeilen(W<QListWidget>(dlg.get(), "lbNeutral")),
                 std::vector<std::string>{"Neutral"});
        W<QCheckBox>(dlg.get(), "cbFairplayProSpiel")->setChecked(false);
        W<QAction>(dlg.get(), "StandardLaden1")->trigger();
        QVERIFY(W<QCheckBox>(dlg.get(), "cbFairplayProSpiel")->isChecked());
        QCOMPARE(Zeilen(W<QListWidget>(dlg.get(), "lbNeutral")),
                 (std::vector<std::string>{"Neutral", "Neutral"}));
        Ok(dlg.get());
        QCOMPARE(OrteNeutral, std::vector<std::string>{"Neutral"});
        QCOMPARE(ArmeenNeutral, (std::vector<std::string>{"Orks", Utf8ToCp1252("Überläufer")}));
        QVERIFY(ArmeenBeruecksichtigt.empty());
    }

    void captionsComeFromTheTextTable() {
        auto dlg = Erzeugen();
        UseOriginal = false;
        SetTranslation(13, 1, "Options");
        SetTranslation(13, 14, Utf8ToCp1252("zufällig!"));
        dlg->show();
        QCOMPARE(dlg->windowTitle(), QString("Options"));
        QCOMPARE(W<QRadioButton>(dlg.get(), "rbZufaellig")->text(), QString("zufällig!"));
        QCOMPARE(W<QCheckBox>(dlg.get(), "cbTunierpunkte")->text(), QString("Tunierpunkte"));
        // The points page keeps its empty frame out of sight.
        QVERIFY(W<QGroupBox>(W<QWidget>(dlg.get(), "TabSheet2"), "RadioGroup1")->isHidden());
    }
};

QTEST_MAIN(OptionenDialogTest)
#include "OptionenDialogTest.moc"
