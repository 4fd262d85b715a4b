#pragma once
// The player dialog: players are entered and edited one at a time; in archive-entry mode the list
// offers the archive's persons and every save adds a new player. Beside the fields: a read-only
// page with the games of the edited player, a search by start number and three pick lists
// (armies, origins, teams) loaded from and saved to text files.
#include "platform/qt/FileDialogs.h"

#include <QDialog>
#include <filesystem>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QToolButton;
class QWidget;

class TDlgNeuerSpiel : public QDialog {
    Q_OBJECT
public:
    // Modes of the dialog.
    static constexpr int ArchivEingabe = -1;
    static constexpr int Leerlauf = 0;
    static constexpr int NeuerSpieler = 1;
    static constexpr int SpielerBearbeiten = 2;

    // Builds the controls; the window's creation step (FormCreate) is run by whoever creates it.
    explicit TDlgNeuerSpiel(QWidget* parent = nullptr);

    // Only the main window's archive command sets a mode from outside.
    void ChangeModus(int modus) { Modus = modus; }

    void FormCreate();
    void FormShow();
    void ButtonNeuClick();
    void ButtonSaveClick();
    void lvSpielerClick(QListWidgetItem* zeile);
    void OKBtnClick();
    void ToolButton2Click();
    void SetChanged() { Geaendert = true; }
    void ArmeeLaden1Click();
    void ArmeebelegungSpeichern1Click();
    void HerkunftLaden1Click();
    void HerkunftSpeichern1Click();
    void TeamLaden1Click();
    void TeamSpeichern1Click();

    void DetailsAnzeigen();
    void TexteRegistrieren();
    void TexteUebersetzen();

    // State of the run.
    int Modus = Leerlauf;
    int SpielerIndex = -1;
    bool Geaendert = false;
    // The row showing the player being edited (an item, so that re-sorting cannot move it).
    QListWidgetItem* ListenIndex = nullptr;
    int LetzteArmeebewertung = 0;
    int LetzteBemalung = 0;
    int LetztesQuiz = 0;
    int LetztesFairplay = 0;
    int LetztesSonstiges = 0;
    int LetzteGruppe = 0;
    std::filesystem::path ArmeeDatei;
    std::filesystem::path HerkunftDatei;
    std::filesystem::path TeamDatei;

    // Controls, named as their objectName.
    QListWidget* lvSpieler;
    QTabWidget* PageControl1;
    QWidget* tsSpieler;
    QWidget* tsDetails;
    QPlainTextEdit* mDetails;
    QToolButton* ButtonNeu;
    QToolButton* ButtonSave;
    QLabel* lbStartnummer;
    QLineEdit* EStartnummer;
    QToolButton* ToolButton2;
    QPushButton* OKBtn;
    QMenuBar* MainMenu1;
    QMenu* Datei1;
    QAction* ArmeeLaden1;
    QAction* ArmeebelegungSpeichern1;
    QAction* HerkunftLaden1;
    QAction* HerkunftSpeichern1;
    QAction* TeamLaden1;
    QAction* TeamSpeichern1;
    QAction* NeuerSpieler1;

    QLabel* lbVorname;
    QLabel* lbName;
    QLabel* lbNick;
    QLabel* lbKommentar;
    QLabel* lbArmee;
    QLabel* lbHerkunft;
    QLabel* lbTeam;
    QLabel* lbArmeebewertung;
    QLabel* lbBemalung;
    QLabel* lbQuiz;
    QLabel* lbFairplay;
    QLabel* lbSonstiges;
    QLabel* lbGruppe;
    QLabel* lbArmeelisteStatus;
    QLabel* lbSpielerNummer;
    QLineEdit* EVorname;
    QLineEdit* EName;
    QLineEdit* ENick;
    QLineEdit* EKommentar;
    QComboBox* cbArmee;
    QComboBox* cbHerkunft;
    QComboBox* cbTeam;
    QLineEdit* ETeamNr;
    QLineEdit* EArmeebewertung;
    QLineEdit* EBemalung;
    QLineEdit* EQuiz;
    QLineEdit* EFairplay;
    QLineEdit* ESonstiges;
    QLineEdit* EGruppeNr;
    QGroupBox* GroupBox1;
    QComboBox* cbArmeelisteStatus;
    QCheckBox* cbBezahlt;
    QCheckBox* cbGemeldet;
    QCheckBox* cbGeloescht;

    FileDialogRequest DlgOd;
    FileDialogRequest DlgSd;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ErzeugeSteuerelemente();
    void ErzeugeMenue();
    void VerbindeEreignisse();
    // A field checked while typing: a text that is no whole number gets the last value back.
    void PruefeZahl(QLineEdit* feld, int& letzterWert);
    void NeuerEintrag();
    void Speichern();
    void FrageUndSpeichern();
    void Zeilenklick(QListWidgetItem* zeile);
    void ZeigeStartnummer(int startnummer);
    void SpielerLaden(int index);
    void ListeLaden(QComboBox* liste, std::filesystem::path& datei);
    void ListeSpeichern(QComboBox* liste, std::filesystem::path& datei);
};

extern TDlgNeuerSpiel* DlgNeuerSpiel;
