#include "dialogs/DNeuerSpieler.h"

#include "Spielerbau.h"
#include "TempDir.h"
#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "core/Tische.h"
#include "platform/qt/QtText.h"
#include "qt/Bedienen.h"
#include "qt/Testumgebung.h"

#include <QPlainTextEdit>
#include <QToolButton>
#include <memory>

class DNeuerSpielerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung> t;
    RecordingMessages* messages = nullptr;
    std::unique_ptr<TDlgNeuerSpiel> dlg;

    void Eingeben(const QString& vorname, const QString& name) {
        dlg->ButtonNeu->click();
        Tippe(dlg->EVorname, vorname);
        Tippe(dlg->EName, name);
        dlg->ButtonSave->click();
    }

private slots:
    void init() {
        t = std::make_unique<Testumgebung>();
        messages = &t->messages;
        dlg = std::make_unique<TDlgNeuerSpiel>();
        dlg->FormCreate();
    }

    void cleanup() {
        dlg.reset();
        t.reset();
    }

    void showingSetsTheTextsAndStartsANewEntry() {
        SpielerAnlegen(1, "Carl", "Cox");
        SpielerAnlegen(2, "anna", "alt");
        SpielerAnlegen(3, "Bernd", "Bau");
        dlg->show();
        QCOMPARE(Texte(dlg->lvSpieler), (QStringList{"anna alt", "Bernd Bau", "Carl Cox"}));
        Spielerliste.resize(1);
        Spielerliste[0]->Vorname = "Anna";
        Spielerliste[0]->Name = "Alt";
        dlg->hide();
        dlg->show();
        QCOMPARE(dlg->windowTitle(), QString("Spieler verwalten"));
        QCOMPARE(dlg->cbGeloescht->text(), QString("Gelöscht"));
        QCOMPARE(dlg->lbStartnummer->text(), QString("Startnummer suchen:     "));
        QCOMPARE(dlg->cbArmeelisteStatus->count(), 4);
        QCOMPARE(dlg->cbArmeelisteStatus->itemText(2), QString("Rücksprache"));
        QCOMPARE(Texte(dlg->lvSpieler), QStringList{"Anna Alt"});
        QCOMPARE(dlg->Modus, TDlgNeuerSpiel::NeuerSpieler);
        QCOMPARE(dlg->cbHerkunft->currentText(), QString("Neutral"));
        QCOMPARE(dlg->cbTeam->currentText(), QString("Neutral"));
        QCOMPARE(dlg->EGruppeNr->text(), QString("0"));
        QCOMPARE(dlg->lbSpielerNummer->text(), QString("Startnummer: "));
        QVERIFY(!dlg->Geaendert);
        QVERIFY(dlg->ETeamNr->isHidden());
        QVERIFY(messages->shown.empty());
    }

    void duplicateNamesGetSuffixesAndTheRowLoadsTheNewPlayer() {
        dlg->show();
        for (int i = 0; i < 3; ++i)
            Eingeben("Hans", "Meier");
        QCOMPARE(Spielerliste.size(), size_t(3));
        QCOMPARE(Spielerliste[1]->Name.str(), std::string("Meier 1"));
        QCOMPARE(Spielerliste[2]->Name.str(), std::string("Meier 2"));
        QCOMPARE(Spielerliste[2]->Startnummer, 3);
        QCOMPARE(dlg->lbSpielerNummer->text(), QString("Startnummer: 3"));
        QCOMPARE(Texte(dlg->lvSpieler),
                 (QStringList{"Hans Meier", "Hans Meier 1", "Hans Meier 2"}));
        QCOMPARE(dlg->Modus, TDlgNeuerSpiel::SpielerBearbeiten);
        QCOMPARE(dlg->SpielerIndex, 2);

        Klicke(dlg->lvSpieler, "Hans Meier 1");
        QCOMPARE(dlg->EName->text(), QString("Meier 1"));
        QCOMPARE(dlg->SpielerIndex, 1);
        QCOMPARE(dlg->lbSpielerNummer->text(), QString("Startnummer: 2"));
        QVERIFY(messages->shown.empty());
        // The first save adds the default once; another letter case is no new item.
        QCOMPARE(Texte(dlg->cbHerkunft), QStringList{"Neutral"});
        dlg->cbHerkunft->setEditText("NEUTRAL");
        dlg->ButtonSave->click();
        QCOMPARE(Texte(dlg->cbHerkunft), QStringList{"Neutral"});
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
        QCOMPARE(dlg->lvSpieler->count(), 9);
    }

    void editingChangesThePlayerAndItsRowWithoutSuffix() {
        SpielerAnlegen(1, "Anna", "Alt");
        SpielerAnlegen(2, "Bernd", "Bau").Bezahlt = true;
        dlg->show();
        Klicke(dlg->lvSpieler, "Bernd Bau");
        QVERIFY(dlg->cbBezahlt->isChecked());
        Tippe(dlg->EName, "Alt");
        Tippe(dlg->EVorname, "Anna");
        Tippe(dlg->EArmeebewertung, "17");
        dlg->cbGemeldet->click();
        dlg->cbArmee->setEditText("Orks");
        dlg->cbArmeelisteStatus->setCurrentIndex(3);
        dlg->ButtonSave->click();

        const TSpieler& b = *Spielerliste[1];
        QCOMPARE(b.Name.str(), std::string("Alt"));
        QCOMPARE(b.Armeebewertung, 17);
        QVERIFY(b.Gemeldet && b.Bezahlt);
        QCOMPARE(b.Armee.str(), std::string("Orks"));
        QCOMPARE(b.ArmeelisteStatus, 3);
        QCOMPARE(Texte(dlg->lvSpieler), (QStringList{"Anna Alt", "Anna Alt"}));
        QCOMPARE(Spielerliste.size(), size_t(2));

        // A change of the first name alone is not marked and is dropped by the next click.
        Tippe(dlg->EVorname, "Berta");
        Klicke(dlg->lvSpieler, "Anna Alt");
        QVERIFY(messages->shown.empty());
        QCOMPARE(b.Vorname.str(), std::string("Anna"));

        // A marked change asks; No drops it.
        Tippe(dlg->EName, "Neu");
        messages->AnswerNext(false);
        dlg->ButtonNeu->click();
        QCOMPARE(messages->Count(RecordedMessage::Question), size_t(1));
        QCOMPARE(messages->shown[0].caption, std::string("\xDC"
                                                         "bernehmen?"));
        QCOMPARE(Spielerliste[0]->Name.str(), std::string("Alt"));
        QCOMPARE(dlg->EName->text(), QString());
    }

    void numericFieldsKeepTheLastValidValue() {
        dlg->show();
        dlg->EQuiz->setText("12");
        dlg->Geaendert = false;
        dlg->EQuiz->setText("");
        QCOMPARE(dlg->EQuiz->text(), QString("12"));
        dlg->EQuiz->setText("1x");
        QCOMPARE(dlg->EQuiz->text(), QString("12"));
        dlg->EQuiz->setText("-3");
        QCOMPARE(dlg->LetztesQuiz, -3);
        QVERIFY(dlg->Geaendert);
        dlg->cbBezahlt->click();
        dlg->ButtonSave->click();
        QCOMPARE(Spielerliste[0]->Quiz, -3);
        // Paid comes from its own box, not from the registered one.
        QVERIFY(Spielerliste[0]->Bezahlt);
        QVERIFY(!Spielerliste[0]->Gemeldet);
        QVERIFY(!Spielerliste[0]->Geloescht);
        QVERIFY(messages->shown.empty());
    }

    void searchByStartNumberLoadsThePlayer() {
        SpielerAnlegen(5, "Anna", "Alt");
        SpielerAnlegen(7, "Bernd", "Bau");
        dlg->show();
        Tippe(dlg->EStartnummer, "7");
        dlg->ToolButton2->click();
        QCOMPARE(dlg->SpielerIndex, 1);
        QCOMPARE(dlg->EName->text(), QString("Bau"));
        QCOMPARE(dlg->lvSpieler->currentItem()->text(), QString("Bernd Bau"));

        for (const char* nichts : {"8", "x", ""}) {
            Tippe(dlg->EStartnummer, nichts);
            dlg->ToolButton2->click();
            QCOMPARE(dlg->SpielerIndex, 1);
        }
        QVERIFY(messages->shown.empty());
    }

    void pickListsAreLoadedAndSaved() {
        TempDir dir;
        WriteBytes(dir / "armeen.txt", "Orks\r\nZw\xE4rge\r\n");
        dlg->show();
        dlg->cbArmee->setEditText("Elfen");
        dlg->Geaendert = false;

        t->dialogs.AnswerNext(dir / "armeen.txt");
        dlg->ArmeeLaden1->trigger();
        QCOMPARE(Texte(dlg->cbArmee), (QStringList{"Orks", "Zwärge"}));
        QCOMPARE(dlg->cbArmee->currentText(), QString("Elfen"));
        QVERIFY(!dlg->Geaendert);
        QCOMPARE(t->dialogs.openRequests[0].filter,
                 std::string("Armeebelegung (*.txt)|*.txt|Alle |*.*"));
        QVERIFY(t->dialogs.openRequests[0].initialPath.empty());

        t->dialogs.AnswerNext({});
        dlg->ArmeebelegungSpeichern1->trigger();
        QCOMPARE(t->dialogs.saveRequests[0].initialPath, dir / "armeen.txt");
        t->dialogs.AnswerNext(dir / "neu.txt");
        dlg->ArmeebelegungSpeichern1->trigger();
        QCOMPARE(ReadBytes(dir / "neu.txt"), std::string("Orks\r\nZw\xE4rge\r\n"));
        QCOMPARE(dlg->ArmeeDatei, dir / "neu.txt");

        // The team list has its own file name; an unreadable file shows the error box.
        t->dialogs.AnswerNext(dir / "fehlt.txt");
        dlg->TeamLaden1->trigger();
        QCOMPARE(messages->Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(dlg->TeamDatei, dir / "fehlt.txt");
        QCOMPARE(dlg->HerkunftDatei, std::filesystem::path());
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

        dlg->ChangeModus(TDlgNeuerSpiel::ArchivEingabe);
        dlg->show();
        QCOMPARE(dlg->lvSpieler->count(), 2);
        QCOMPARE(dlg->Modus, TDlgNeuerSpiel::ArchivEingabe);
        Klicke(dlg->lvSpieler, QString(50, 'p'));
        QVERIFY(dlg->Geaendert);
        QCOMPARE(dlg->cbHerkunft->currentText(), QString("Ulm"));

        dlg->ButtonSave->click();
        dlg->ButtonSave->click();
        QCOMPARE(Spielerliste.size(), size_t(3));
        for (size_t i : {1, 2}) {
            const TSpieler& s = *Spielerliste[i];
            QCOMPARE(s.Name.str(), std::string(45, 'p'));
            QCOMPARE(s.Armee.str(), std::string("Orks"));
            QCOMPARE(s.Herkunft.str(), std::string("Ulm"));
            QCOMPARE(s.Team.str(), std::string("Rot"));
            QCOMPARE(s.ArchivID, -1);
        }
        QCOMPARE(Spielerliste[1]->Startnummer, 2);
        QCOMPARE(Spielerliste[2]->Startnummer, 3);
        QCOMPARE(dlg->lvSpieler->count(), 2);
        QCOMPARE(dlg->Modus, TDlgNeuerSpiel::ArchivEingabe);

        // Choosing a person marks the entry; the next choice asks first.
        Klicke(dlg->lvSpieler, "Carla Cel");
        QVERIFY(messages->shown.empty());
        messages->AnswerNext(true);
        Klicke(dlg->lvSpieler, QString(50, 'p'));
        QCOMPARE(Spielerliste.size(), size_t(4));
        QCOMPARE(Spielerliste[3]->Name.str(), std::string("Carla Cel"));
        QCOMPARE(Spielerliste[3]->Herkunft.str(), std::string());
    }

    void badTeamNumberChangesNothing() {
        Teamturnier = true;
        TSpieler& a = SpielerAnlegen(1, "Anna", "Alt");
        a.TeamNr = 4;
        dlg->show();
        QVERIFY(!dlg->ETeamNr->isHidden());
        Klicke(dlg->lvSpieler, "Anna Alt");
        QCOMPARE(dlg->ETeamNr->text(), QString("4"));
        Tippe(dlg->EName, "Neu");
        Tippe(dlg->EFairplay, "9");
        dlg->cbTeam->setEditText("Blau");
        Tippe(dlg->ETeamNr, "vier");
        dlg->ButtonSave->click();

        QCOMPARE(messages->Count(RecordedMessage::Error), size_t(1));
        QVERIFY(messages->shown[0].text.find("vier") != std::string::npos);
        QCOMPARE(a.Name.str(), std::string("Alt"));
        QCOMPARE(a.Fairplay, 0);
        QCOMPARE(a.TeamNr, 4);
        QCOMPARE(Texte(dlg->lvSpieler), QStringList{"Anna Alt"});
        QVERIFY(dlg->cbTeam->findText("Blau") < 0);
        QVERIFY2(dlg->Geaendert, "the entry is still unsaved");

        // A new player with a bad team number is not added; No to the question keeps nothing.
        messages->AnswerNext(false);
        dlg->ButtonNeu->click();
        Tippe(dlg->EName, "Bernd");
        Tippe(dlg->ETeamNr, "");
        dlg->ButtonSave->click();
        QCOMPARE(messages->Count(RecordedMessage::Error), size_t(2));
        QCOMPARE(Spielerliste.size(), size_t(1));
        Tippe(dlg->ETeamNr, "2");
        dlg->ButtonSave->click();
        QCOMPARE(Spielerliste.size(), size_t(2));
        QCOMPARE(Spielerliste[1]->TeamNr, 2);
    }

    void okAsksAndClosesEvenWhenTheSaveFails() {
        dlg->show();
        Tippe(dlg->EName, "Anna");
        Tippe(dlg->ETeamNr, "x");
        messages->AnswerNext(true);
        dlg->OKBtn->click();
        QCOMPARE(messages->Count(RecordedMessage::Error), size_t(1));
        QVERIFY(Spielerliste.empty());
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
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
        a.SetGegner(1, 2);
        a.SetTisch(1, 4);
        a.SetPunkte(1, 11);
        a.SetArmeepunkte(1, 2);
        a.SetSiegpunkte(1, 300);
        a.SetFairplay(1, 5);
        b.SetPunkte(1, 9);
        b.SetSiegpunkte(1, 200);
        a.SetGegner(2, -1);
        a.SetGegner(3, 1);
        dlg->show();
        Klicke(dlg->lvSpieler, "Anna Alt");
        QCOMPARE(dlg->mDetails->toPlainText(), QString("Spiel Nr. 1\n"
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
