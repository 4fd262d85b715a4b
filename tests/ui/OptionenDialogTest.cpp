#include "Spielerbau.h"
#include "TempDir.h"
#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "dialogs/DOptionen.h"
#include "platform/Cp1252.h"
#include "platform/Guarded.h"
#include "qt/DialogTest.h"
#include "server/ClientListe.h"
#include "translation/Translate.h"

#include <QAction>
#include <QGroupBox>
#include <QRadioButton>

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

std::vector<int> Zahlen() {
    return {Toleranzen[0], Toleranzen[1],      Toleranzen[2], Toleranzen[3],
            Toleranzen[4], MalGegenSelbeArmee, RundenAnzahl};
}

void NeuerSpieler(int nummer, const char* herkunft, const char* team, const char* armee) {
    TSpieler& spieler = SpielerAnlegen(nummer, "", "");
    spieler.Herkunft = herkunft;
    spieler.Team = team;
    spieler.Armee = armee;
}

} // namespace

class OptionenDialogTest : public QObject, DialogTest<TDlgOptionen> {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    TSimpleClient* client_ = nullptr;

    // As the start-up creates it: a failing creation step is shown and the window stays.
    void Erzeugen() {
        Guarded([this] { DialogTest::Erzeugen(); });
    }
    // A connected client that has fetched everything.
    void ClientHatAllesGeholt() { client_->NeedsMatrix = client_->NeedsOptions = false; }
    void Ok() { Klick("OK"); }

private slots:
    void init() {
        Neu();
        QLocale::setDefault(QLocale::c());
        dir_ = std::make_unique<TempDir>();
        ProgrammVerzeichnis = dir_->path().string();
        Clientliste.push_back(std::make_unique<TSimpleClient>());
        client_ = Clientliste.back().get();
        ClientHatAllesGeholt();
    }
    void cleanup() {
        dir_.reset();
        Abbauen();
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
        FaktorQuiz = 0.5;
        Erzeugen();
        QVERIFY(!DruckMitSpielernummer && FairplayProSpiel && SzenarioEingabe);
        QVERIFY(!SiegpunktmatrixBenutzen && !Teamturnier && !GruppenBeachten &&
                !PaarungshilfeAnzeigen && !FairplayWerten && !ArmeebewertungVergleichend);
        QVERIFY(GleicheArmeenBeachten && KeinePaarungenMehrfach && GleicheOrteBeachten &&
                NurNMalGegenArmee && GleicheTeamsBeachten && ErsteRundeNachArmeebewertung &&
                ArmeebewertungKlassisch);
        QCOMPARE(Zahlen(), (std::vector<int>{0, 0, 0, 0, 0, 2, 5}));
        QCOMPARE(FaktorQuiz, 1.0);
        QVERIFY(!client_->NeedsMatrix && !client_->NeedsOptions && messages_->shown.empty());
        QVERIFY(!std::filesystem::exists(*dir_ / "Config.dat"));
    }

    void configIsLoadedAtCreationAndSavedBackByteForByte() {
        WriteBytes(*dir_ / "Config.dat", BeispielConfig);
        Erzeugen();
        QVERIFY(messages_->shown.empty());
        QCOMPARE(Zahlen(), (std::vector<int>{3, 0, 1, 0, 2, 3, 5}));
        QVERIFY(!GleicheArmeenBeachten && ArmeebewertungVergleichend && !ArmeebewertungKlassisch);
        QVERIFY(BemalungWerten && SzenarioWerten && !QuizWerten);
        QCOMPARE(OrteNeutral, std::vector<std::string>{"Neutral"});
        QCOMPARE(ArmeenNeutral, (std::vector<std::string>{"Orks", Utf8ToCp1252("Überläufer")}));

        dlg_->show();
        QCOMPARE(W<QLineEdit>("EArmeen")->text(), QString("3"));
        QVERIFY(W<QRadioButton>("rbVergleichend")->isChecked());
        std::filesystem::remove(*dir_ / "Config.dat");
        W<QAction>("AlsStandardSpeichern1")->trigger();
        QCOMPARE(ReadBytes(*dir_ / "Config.dat"), BeispielConfig);

        // Unapplied changes are saved as they stand.
        W<QCheckBox>("cbQuiz")->setChecked(true);
        W<QLineEdit>("ETeams")->setText("7");
        W<QAction>("AlsStandardSpeichern1")->trigger();
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
        Erzeugen();
        QCOMPARE(Zahlen(), (std::vector<int>{0, 0, 1, 0, 2, 2, 5}));
        QVERIFY(!ArmeebewertungKlassisch && !ArmeebewertungVergleichend);
        dlg_->show();
        QVERIFY(W<QCheckBox>("cbTunierpunkte")->isChecked());
        QCOMPARE(W<QLineEdit>("ETimesAgainstArmy")->text(), QString("2"));
    }

    void numberEditsAreCheckedWhileTyping() {
        Erzeugen();
        dlg_->show();
        // Each text typed in turn, and what the edit shows afterwards.
        const struct {
            const char *edit, *text, *danach;
        } faelle[] = {{"ETimesAgainstArmy", "5", "2"},
                      {"ETimesAgainstArmy", "3", "3"},
                      {"ETimesAgainstArmy", " 4", "4"},
                      {"EOrte", "12", "12"},
                      {"EOrte", "12a", "12"},
                      {"EOrte", "", "12"},
                      {"EOrte", "-3", "-3"},
                      {"ERundenAnzahl", "0", "5"},
                      {"ERundenAnzahl", "-1", "5"},
                      {"ERundenAnzahl", "100", "5"},
                      {"ERundenAnzahl", "x", "5"}};
        for (const auto& f : faelle) {
            W<QLineEdit>(f.edit)->setText(f.text);
            QCOMPARE(W<QLineEdit>(f.edit)->text(), QString(f.danach));
        }
        W<QLineEdit>("ERundenAnzahl")->setText("8");
        Ok();
        QCOMPARE(Zahlen(), (std::vector<int>{0, 0, -3, 0, 0, 4, 8}));

        // A team tournament holds five rounds.
        dlg_->show();
        W<QCheckBox>("cbTeamTurnier")->setChecked(true);
        Ok();
        QVERIFY(Teamturnier);
        QCOMPARE(RundenAnzahl, 5);
    }

    void percentWeightsShowInTheLocaleAndAnErrorStopsOkWhereItStands() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Erzeugen();
        FaktorQuiz = 0.125;
        FaktorSonstige = 0.07;
        dlg_->show();
        for (auto [edit, text] : {std::pair{"EProzentQuiz", "12,5"},
                                  {"EProzentSonstige", "7"},
                                  {"EProzentTurnier", "100"}})
            QCOMPARE(W<QLineEdit>(edit)->text(), QString(text));

        for (auto [edit, text] : {std::pair{"EProzentTurnier", "50"},
                                  {"EProzentFairplay", "12,5"},
                                  {"EProzentQuiz", "1x"},
                                  {"EProzentArmee", "200"},
                                  {"ERundenAnzahl", "7"}})
            W<QLineEdit>(edit)->setText(text);
        W<QCheckBox>("cbDruckMitSpielernummer")->setChecked(true);
        W<QCheckBox>("bSiegpunktmatrix")->setChecked(true);
        W<QCheckBox>("cbGleiche")->setChecked(false);
        Ok();
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(dlg_->result(), int(QDialog::Accepted));
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
        QVERIFY(messages_->shown[0].text.find("1x") != std::string::npos);
        // Written before the failing weight, and not after it.
        QCOMPARE((std::vector<double>{FaktorTurnier, FaktorFairplay, FaktorQuiz, FaktorArmee}),
                 (std::vector<double>{0.5, 0.125, 0.125, 1.0}));
        QVERIFY(!KeinePaarungenMehrfach && RundenAnzahl == 5);
        QVERIFY(!DruckMitSpielernummer && !SiegpunktmatrixBenutzen && !client_->NeedsMatrix);
    }

    void okNotifiesTheClientsExactlyWhenTheirOptionsChange() {
        Erzeugen();
        const struct {
            const char* box;
            bool an, matrix, optionen;
        } faelle[] = {{"", false, false, false},
                      {"bSiegpunktmatrix", true, true, false},
                      {"cbSzenarioEingabe", false, false, true},
                      {"cbFairplayProSpiel", false, false, true},
                      {"cbDruckMitSpielernummer", true, false, false}};
        for (const auto& f : faelle) {
            ClientHatAllesGeholt();
            dlg_->show();
            if (*f.box)
                W<QCheckBox>(f.box)->setChecked(f.an);
            Ok();
            QVERIFY2(client_->NeedsMatrix == f.matrix && client_->NeedsOptions == f.optionen,
                     f.box);
        }
        QVERIFY(SiegpunktmatrixBenutzen && !SzenarioEingabe && !FairplayProSpiel &&
                DruckMitSpielernummer);

        // Cancel applies nothing.
        dlg_->show();
        W<QCheckBox>("cbSzenarioEingabe")->setChecked(true);
        Klick("Abbrechen");
        QVERIFY(!SzenarioEingabe && !client_->NeedsOptions);
    }

    void neutralListsFollowTheBoxesOnOk() {
        Erzeugen();
        NeuerSpieler(1, "Neutral", "Rot", "Orks");
        NeuerSpieler(2, " neutral ", "Blau", "Elfen");
        NeuerSpieler(3, "Essen", "rot", "Orks");
        dlg_->show();
        auto* links = W<QListWidget>("lbTeamBeruecksichtigt");
        auto* rechts = W<QListWidget>("lbTeamNeutral");
        QCOMPARE(Texte(W<QListWidget>("lbBeruecksichtigt")), QStringList({"Essen", "Neutral"}));
        QCOMPARE(Texte(links), QStringList({"Blau", "Rot"}));

        // Nothing selected: nothing moves.
        links->clearSelection();
        Klick("btTeamToRight");
        QCOMPARE(rechts->count(), 0);
        links->setCurrentRow(1);
        Klick("btTeamToRight");
        QCOMPARE(Texte(links), QStringList({"Blau"}));
        QCOMPARE(Texte(rechts), QStringList({"Rot"}));
        QVERIFY(TeamsNeutral.empty()); // only OK changes the lists
        Ok();
        QCOMPARE(TeamsNeutral, std::vector<std::string>{"Rot"});
        QCOMPARE(TeamsBeruecksichtigt, std::vector<std::string>{"Blau"});

        // Cancel after a move changes nothing, and the next opening shows the lists as before.
        dlg_->show();
        W<QListWidget>("lbArmeeBeruecksichtigt")->setCurrentRow(0);
        Klick("btArmeeToRight");
        Klick("Abbrechen");
        QVERIFY(ArmeenNeutral.empty());
        dlg_->show();
        QCOMPARE(Texte(W<QListWidget>("lbArmeeBeruecksichtigt")), QStringList({"Elfen", "Orks"}));
        QCOMPARE(W<QListWidget>("lbArmeeNeutral")->count(), 0);

        // Moving a value back makes it count again and shows it once, on the left.
        rechts->setCurrentRow(0);
        Klick("btTeamToLeft");
        Ok();
        QVERIFY(TeamsNeutral.empty());
        dlg_->show();
        QCOMPARE(Texte(links), QStringList({"Blau", "Rot"}));
        QCOMPARE(rechts->count(), 0);
    }

    void loadingDefaultsTwiceListsAValueTwiceButOkKeepsItOnce() {
        WriteBytes(*dir_ / "Config.dat", BeispielConfig);
        Erzeugen();
        NeuerSpieler(1, "Neutral", "Neutral", "Orks");
        dlg_->show();
        QCOMPARE(Texte(W<QListWidget>("lbNeutral")), QStringList({"Neutral"}));
        W<QCheckBox>("cbFairplayProSpiel")->setChecked(false);
        W<QAction>("StandardLaden1")->trigger();
        QVERIFY(W<QCheckBox>("cbFairplayProSpiel")->isChecked());
        QCOMPARE(Texte(W<QListWidget>("lbNeutral")), QStringList({"Neutral", "Neutral"}));
        Ok();
        QCOMPARE(OrteNeutral, std::vector<std::string>{"Neutral"});
        QCOMPARE(ArmeenNeutral, (std::vector<std::string>{"Orks", Utf8ToCp1252("Überläufer")}));
        QVERIFY(ArmeenBeruecksichtigt.empty());
    }

    void captionsComeFromTheTextTable() {
        Erzeugen();
        UseOriginal = false;
        SetTranslation(13, 1, "Options");
        SetTranslation(13, 14, Utf8ToCp1252("zufällig!"));
        dlg_->show();
        QCOMPARE(dlg_->windowTitle(), QString("Options"));
        QCOMPARE(W<QRadioButton>("rbZufaellig")->text(), QString("zufällig!"));
        QCOMPARE(W<QCheckBox>("cbTunierpunkte")->text(), QString("Tunierpunkte"));
        // The points page keeps its empty frame out of sight.
        QVERIFY(Element<QGroupBox>(W<QWidget>("TabSheet2"), "RadioGroup1")->isHidden());
    }
};

QTEST_MAIN(OptionenDialogTest)
#include "OptionenDialogTest.moc"
