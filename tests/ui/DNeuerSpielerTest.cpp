#include "dialogs/DNeuerSpieler.h"

#include "Spielerbau.h"
#include "TempDir.h"
#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "core/Tische.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "qt/DialogTest.h"

#include <QPlainTextEdit>
#include <QToolButton>
#include <memory>
#include <tuple>

class DNeuerSpielerTest : public QObject, DialogTest<TDlgNeuerSpiel> {
    Q_OBJECT

    void Eingeben(const QString& vorname, const QString& name) {
        dlg_->ButtonNeu->click();
        Tippe(dlg_->EVorname, vorname);
        Tippe(dlg_->EName, name);
        dlg_->ButtonSave->click();
    }

private slots:
    void init() {
        Neu();
        Erzeugen();
    }
    void cleanup() { Abbauen(); }

    void showingSetsTheTextsAndStartsANewEntry() {
        SpielerAnlegen(1, "Carl", "Cox");
        SpielerAnlegen(2, "anna", "alt");
        SpielerAnlegen(3, "Bernd", "Bau");
        SpielerAnlegen(4, Utf8ToCp1252("Änne"), "Zahn");
        dlg_->show();
        // German order without regard to case, whatever the system's locale: Ä beside A.
        QCOMPARE(Texte(dlg_->lvSpieler),
                 (QStringList{"anna alt", "Änne Zahn", "Bernd Bau", "Carl Cox"}));
        Spielerliste.resize(1);
        Spielerliste[0]->Vorname = "Anna";
        Spielerliste[0]->Name = "Alt";
        dlg_->hide();
        dlg_->show();
        QCOMPARE((QStringList{dlg_->windowTitle(), dlg_->cbGeloescht->text(),
                              dlg_->lbStartnummer->text(), dlg_->cbArmeelisteStatus->itemText(2)}),
                 (QStringList{"Spieler verwalten", "Gelöscht",
                              "Startnummer suchen:     ", "Rücksprache"}));
        QCOMPARE(dlg_->cbArmeelisteStatus->count(), 4);
        QCOMPARE(Texte(dlg_->lvSpieler), QStringList{"Anna Alt"});
        QCOMPARE(dlg_->Modus, TDlgNeuerSpiel::NeuerSpieler);
        QCOMPARE((QStringList{dlg_->cbHerkunft->currentText(), dlg_->cbTeam->currentText(),
                              dlg_->EGruppeNr->text(), dlg_->lbSpielerNummer->text()}),
                 (QStringList{"Neutral", "Neutral", "0", "Startnummer: "}));
        QVERIFY(!dlg_->Geaendert);
        QVERIFY(dlg_->ETeamNr->isHidden());
        QVERIFY(messages_->shown.empty());
    }

    void duplicateNamesGetSuffixesAndTheRowLoadsTheNewPlayer() {
        dlg_->show();
        for (int i = 0; i < 3; ++i)
            Eingeben("Hans", "Meier");
        QCOMPARE(Spielerliste.size(), size_t(3));
        QCOMPARE(Spielerliste[2]->Name.str() + "/" + Spielerliste[1]->Name.str(),
                 std::string("Meier 2/Meier 1"));
        QCOMPARE(Spielerliste[2]->Startnummer, 3);
        QCOMPARE(dlg_->lbSpielerNummer->text(), QString("Startnummer: 3"));
        QCOMPARE(Texte(dlg_->lvSpieler),
                 (QStringList{"Hans Meier", "Hans Meier 1", "Hans Meier 2"}));
        QCOMPARE(dlg_->Modus, TDlgNeuerSpiel::SpielerBearbeiten);
        QCOMPARE(dlg_->SpielerIndex, 2);

        Klicke(dlg_->lvSpieler, "Hans Meier 1");
        QCOMPARE(dlg_->EName->text(), QString("Meier 1"));
        QCOMPARE(dlg_->SpielerIndex, 1);
        QCOMPARE(dlg_->lbSpielerNummer->text(), QString("Startnummer: 2"));
        QVERIFY(messages_->shown.empty());
        // The first save adds the default once; another letter case is no new item.
        QCOMPARE(Texte(dlg_->cbHerkunft), QStringList{"Neutral"});
        dlg_->cbHerkunft->setEditText("NEUTRAL");
        dlg_->ButtonSave->click();
        QCOMPARE(Texte(dlg_->cbHerkunft), QStringList{"Neutral"});
        QCOMPARE(Spielerliste[1]->Herkunft.str(), std::string("NEUTRAL"));

        // Surnames at the field's width still get a unique name.
        for (int laenge : {44, 45}) {
            const QString name(laenge, QChar('x' + (laenge - 44)));
            for (int i = 0; i < 3; ++i)
                Eingeben("", name);
            const std::string basis = Cp(name).substr(0, 43);
            const size_t n = Spielerliste.size();
            QCOMPARE(Spielerliste[n - 3]->Name.str(), Cp(name));
            QCOMPARE(Spielerliste[n - 2]->Name.str(), basis + " 1");
            QCOMPARE(Spielerliste[n - 1]->Name.str(), basis + " 2");
        }
        QCOMPARE(dlg_->lvSpieler->count(), 9);
    }

    void editingChangesThePlayerAndItsRowWithoutSuffix() {
        SpielerAnlegen(1, "Anna", "Alt");
        SpielerAnlegen(2, "Bernd", "Bau").Bezahlt = true;
        dlg_->show();
        Klicke(dlg_->lvSpieler, "Bernd Bau");
        QVERIFY(dlg_->cbBezahlt->isChecked());
        Tippe(dlg_->EName, "Alt");
        Tippe(dlg_->EVorname, "Anna");
        Tippe(dlg_->EArmeebewertung, "17");
        dlg_->cbGemeldet->click();
        dlg_->cbArmee->setEditText("Orks");
        dlg_->cbArmeelisteStatus->setCurrentIndex(3);
        dlg_->ButtonSave->click();

        const TSpieler& b = *Spielerliste[1];
        QVERIFY(std::tie(b.Name.str(), b.Armee.str(), b.Armeebewertung, b.ArmeelisteStatus) ==
                std::make_tuple("Alt", "Orks", 17, 3));
        QVERIFY(b.Gemeldet && b.Bezahlt);
        QCOMPARE(Texte(dlg_->lvSpieler), (QStringList{"Anna Alt", "Anna Alt"}));
        QCOMPARE(Spielerliste.size(), size_t(2));

        // A change of the first name alone is not marked and is dropped by the next click.
        Tippe(dlg_->EVorname, "Berta");
        Klicke(dlg_->lvSpieler, "Anna Alt");
        QVERIFY(messages_->shown.empty());
        QCOMPARE(b.Vorname.str(), std::string("Anna"));

        // A marked change asks; No drops it.
        Tippe(dlg_->EName, "Neu");
        messages_->AnswerNext(false);
        dlg_->ButtonNeu->click();
        QCOMPARE(messages_->Count(RecordedMessage::Question), size_t(1));
        QCOMPARE(messages_->shown[0].caption, std::string("\xDC"
                                                          "bernehmen?"));
        QCOMPARE(Spielerliste[0]->Name.str(), std::string("Alt"));
        QCOMPARE(dlg_->EName->text(), QString());
    }

    void numericFieldsKeepTheLastValidValue() {
        dlg_->show();
        dlg_->EQuiz->setText("12");
        dlg_->Geaendert = false;
        dlg_->EQuiz->setText("");
        QCOMPARE(dlg_->EQuiz->text(), QString("12"));
        dlg_->EQuiz->setText("1x");
        QCOMPARE(dlg_->EQuiz->text(), QString("12"));
        dlg_->EQuiz->setText("-3");
        QCOMPARE(dlg_->LetztesQuiz, -3);
        QVERIFY(dlg_->Geaendert);
        dlg_->cbBezahlt->click();
        dlg_->ButtonSave->click();
        QCOMPARE(Spielerliste[0]->Quiz, -3);
        // Paid comes from its own box, not from the registered one.
        QVERIFY(Spielerliste[0]->Bezahlt && !Spielerliste[0]->Gemeldet &&
                !Spielerliste[0]->Geloescht);
        QVERIFY(messages_->shown.empty());
    }

    void searchByStartNumberLoadsThePlayer() {
        SpielerAnlegen(5, "Anna", "Alt");
        SpielerAnlegen(7, "Bernd", "Bau");
        dlg_->show();
        Tippe(dlg_->EStartnummer, "7");
        QTest::keyClick(dlg_->EStartnummer, Qt::Key_Return); // Enter searches, as the button does
        QVERIFY(dlg_->isVisible());
        QCOMPARE(dlg_->SpielerIndex, 1);
        QCOMPARE(dlg_->EName->text(), QString("Bau"));
        QCOMPARE(dlg_->lvSpieler->currentItem()->text(), QString("Bernd Bau"));

        for (const char* nichts : {"8", "x", ""}) {
            Tippe(dlg_->EStartnummer, nichts);
            dlg_->ToolButton2->click();
            QCOMPARE(dlg_->SpielerIndex, 1);
        }
        QTest::keyClick(dlg_->EName, Qt::Key_Return); // and closes nothing elsewhere
        QVERIFY(dlg_->isVisible());
        QVERIFY(messages_->shown.empty());
    }

    void pickListsAreLoadedAndSaved() {
        TempDir dir;
        WriteBytes(dir / "armeen.txt", "Orks\r\nZw\xE4rge\r\n");
        dlg_->show();
        dlg_->cbArmee->setEditText("Elfen");
        dlg_->Geaendert = false;

        t_->dialogs.AnswerNext(dir / "armeen.txt");
        dlg_->ArmeeLaden1->trigger();
        QCOMPARE(Texte(dlg_->cbArmee), (QStringList{"Orks", "Zwärge"}));
        QCOMPARE(dlg_->cbArmee->currentText(), QString("Elfen"));
        QVERIFY(!dlg_->Geaendert);
        QCOMPARE(t_->dialogs.openRequests[0].filter,
                 std::string("Armeebelegung (*.txt)|*.txt|Alle |*.*"));
        QVERIFY(t_->dialogs.openRequests[0].initialPath.empty());

        t_->dialogs.AnswerNext({});
        dlg_->ArmeebelegungSpeichern1->trigger();
        QCOMPARE(t_->dialogs.saveRequests[0].initialPath, dir / "armeen.txt");
        t_->dialogs.AnswerNext(dir / "neu.txt");
        dlg_->ArmeebelegungSpeichern1->trigger();
        QCOMPARE(ReadBytes(dir / "neu.txt"), std::string("Orks\r\nZw\xE4rge\r\n"));
        QCOMPARE(dlg_->ArmeeDatei, dir / "neu.txt");

        // The team list has its own file name; an unreadable file shows the error box.
        t_->dialogs.AnswerNext(dir / "fehlt.txt");
        dlg_->TeamLaden1->trigger();
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(dlg_->TeamDatei, dir / "fehlt.txt");
        QCOMPARE(dlg_->HerkunftDatei, std::filesystem::path());
    }

    void archiveEntryCreatesPlayersFromPersons() {
        auto person = std::make_unique<TPerson>();
        person->Name = std::string(50, 'p');
        person->Armee = "Orks";
        person->Herkunft = "Ulm";
        person->Team = "Rot";
        Archiv.Personen.push_back(std::move(person));
        auto zweite = std::make_unique<TPerson>();
        zweite->Name = "Carla Cel";
        zweite->Id = 1;
        Archiv.Personen.push_back(std::move(zweite));
        SpielerAnlegen(1, "Anna", "Alt");

        dlg_->ChangeModus(TDlgNeuerSpiel::ArchivEingabe);
        dlg_->show();
        QCOMPARE(dlg_->lvSpieler->count(), 2);
        QCOMPARE(dlg_->Modus, TDlgNeuerSpiel::ArchivEingabe);
        Klicke(dlg_->lvSpieler, QString(50, 'p'));
        QVERIFY(dlg_->Geaendert);
        QCOMPARE(dlg_->cbHerkunft->currentText(), QString("Ulm"));

        dlg_->ButtonSave->click();
        dlg_->ButtonSave->click();
        QCOMPARE(Spielerliste.size(), size_t(3));
        for (int i : {1, 2}) {
            const TSpieler& s = *Spielerliste[static_cast<size_t>(i)];
            QVERIFY(std::tie(s.Name.str(), s.Armee.str(), s.Herkunft.str(), s.Team.str()) ==
                    std::make_tuple(std::string(45, 'p'), "Orks", "Ulm", "Rot"));
            QVERIFY(s.ArchivID == -1 && s.Startnummer == i + 1);
        }
        QCOMPARE(dlg_->lvSpieler->count(), 2);
        QCOMPARE(dlg_->Modus, TDlgNeuerSpiel::ArchivEingabe);

        // Choosing a person marks the entry; the next choice asks first.
        Klicke(dlg_->lvSpieler, "Carla Cel");
        QVERIFY(messages_->shown.empty());
        messages_->AnswerNext(true);
        Klicke(dlg_->lvSpieler, QString(50, 'p'));
        QCOMPARE(Spielerliste.size(), size_t(4));
        QCOMPARE(Spielerliste[3]->Name.str(), std::string("Carla Cel"));
        QCOMPARE(Spielerliste[3]->Herkunft.str(), std::string());
    }

    void badTeamNumberChangesNothing() {
        Teamturnier = true;
        TSpieler& a = SpielerAnlegen(1, "Anna", "Alt");
        a.TeamNr = 4;
        dlg_->show();
        QVERIFY(!dlg_->ETeamNr->isHidden());
        Klicke(dlg_->lvSpieler, "Anna Alt");
        QCOMPARE(dlg_->ETeamNr->text(), QString("4"));
        Tippe(dlg_->EName, "Neu");
        Tippe(dlg_->EFairplay, "9");
        dlg_->cbTeam->setEditText("Blau");
        Tippe(dlg_->ETeamNr, "vier");
        dlg_->ButtonSave->click();

        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
        QVERIFY(messages_->shown[0].text.find("vier") != std::string::npos);
        QVERIFY(std::tie(a.Name.str(), a.Fairplay, a.TeamNr) == std::make_tuple("Alt", 0, 4));
        QCOMPARE(Texte(dlg_->lvSpieler), QStringList{"Anna Alt"});
        QVERIFY(dlg_->cbTeam->findText("Blau") < 0);
        QVERIFY2(dlg_->Geaendert, "the entry is still unsaved");

        // A new player with a bad team number is not added; No to the question keeps nothing.
        messages_->AnswerNext(false);
        dlg_->ButtonNeu->click();
        Tippe(dlg_->EName, "Bernd");
        Tippe(dlg_->ETeamNr, "");
        dlg_->ButtonSave->click();
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(2));
        QCOMPARE(Spielerliste.size(), size_t(1));
        Tippe(dlg_->ETeamNr, "2");
        dlg_->ButtonSave->click();
        QCOMPARE(Spielerliste.size(), size_t(2));
        QCOMPARE(Spielerliste[1]->TeamNr, 2);
    }

    void okAsksAndClosesEvenWhenTheSaveFails() {
        dlg_->show();
        Tippe(dlg_->EName, "Anna");
        Tippe(dlg_->ETeamNr, "x");
        messages_->AnswerNext(true);
        dlg_->OKBtn->click();
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
        QVERIFY(Spielerliste.empty());
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(dlg_->result(), int(QDialog::Accepted));
    }

    void detailsListTheGamesWithOpponents() {
        ArmeebewertungVergleichend = true;
        TischgruppenBeruecksichtigen = true;
        auto gruppe = std::make_unique<TTischgruppe>();
        gruppe->Name = "Oben";
        gruppe->ErsterTisch = 1;
        gruppe->LetzterTisch = 4;
        Tischgruppen.push_back(std::move(gruppe));
        TSpieler& a = SpielerAnlegen(1, "Anna", "Alt");
        TSpieler& b = SpielerAnlegen(2, "Bernd", "Bau");
        b.Nickname = "B\xE4r";
        b.Armee = "Orks";
        b.Armeebewertung = 3;
        SpielPaaren(1, 1, 2, 4);
        a.SetPunkte(1, 11);
        a.SetArmeepunkte(1, 2);
        a.SetSiegpunkte(1, 300);
        a.SetFairplay(1, 5);
        b.SetPunkte(1, 9);
        b.SetSiegpunkte(1, 200);
        a.SetGegner(2, -1);
        a.SetGegner(3, 1);
        dlg_->show();
        Klicke(dlg_->lvSpieler, "Anna Alt");
        QCOMPARE(dlg_->mDetails->toPlainText(), QString("Spiel Nr. 1\n"
                                                        "Gegner: Bernd 'Bär' Bau (Orks(3))\n"
                                                        "Tisch: 4 (Oben)\n"
                                                        "Ergebnis: \t\t13 : 9\n"
                                                        "Unmodifiziert: \t11 : 9\n"
                                                        "Differenz: \t300 : 200\n"
                                                        "Fairplay: \t\t5 : 0\n"
                                                        "Spiel Nr. 3\n"
                                                        "Gegner: Anna Alt ((0))\n"
                                                        "Tisch: 0 (" +
                                                        Qs(TischgruppenName(0)) +
                                                        ")\n"
                                                        "Ergebnis: \t\t0 : 0\n"
                                                        "Unmodifiziert: \t0 : 0\n"
                                                        "Differenz: \t0 : 0\n"
                                                        "Fairplay: \t\t0 : 0"));
    }
};

QTEST_MAIN(DNeuerSpielerTest)
#include "DNeuerSpielerTest.moc"
