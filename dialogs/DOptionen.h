#pragma once
// The options dialog: pairing rules and their tolerances, the first-round order, team tournament,
// pairing help, groups, number of rounds, counted special scores and their weights, neutral
// origins, teams and armies, and the options of result entry and printing. It keeps no copy of
// the options: showing loads the controls from the option state, OK writes them back. Its menu
// saves the controls as "Config.dat" and loads them from there; creating the dialog loads that
// file and applies it as OK does.
#include "dialogs/FormDialog.h"

class GanzzahlFeld;
class NeutralSeite;
class QAbstractButton;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
enum class ConfigListe;

class TDlgOptionen : public TFormDialog {
    Q_OBJECT
public:
    // Builds the controls; the creation step (FormCreate) is run by whoever creates the window.
    explicit TDlgOptionen(QWidget* parent = nullptr);

    // Registers the texts, loads "Config.dat" when it exists and applies the controls as OK does.
    // A damaged file raises its error, the rest of this skipped.
    void FormCreate();

    static void TexteRegistrieren();

    // Runs on every showing: texts, value lists completed from the players, controls loaded
    // from the option state.
    void FormShow() override;
    // Writes the controls into the option state; a percent weight that is not a number ends it
    // with a conversion error, what came before staying written.
    void OKAnwenden();
    // The menu commands; errors are shown.
    void StandardLaden1Click();
    void AlsStandardSpeichern1Click();

private:
    class ConfigAdapter;

    void SeitenAnlegen();
    QWidget* OptionSeite();
    QWidget* PunkteSeite();
    QWidget* ErgebnisSeite();
    void TexteUebersetzen();
    void StandardLaden();
    void OKClick();

    // The controls by the names their options declare.
    QAbstractButton* Knopf(const char* steuer) const;
    GanzzahlFeld* Zahlfeld(const char* steuer) const;
    QLineEdit* Prozentfeld(const char* steuer) const;
    NeutralSeite* Seite(ConfigListe liste) const;

    QMenuBar* Paarungsmenue = nullptr;
    QMenu* Datei1 = nullptr;
    QAction* AlsStandardSpeichern1 = nullptr;
    QAction* StandardLaden1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Abbrechen = nullptr;

    // Page "Option"
    QCheckBox* cbArmeen = nullptr;
    QCheckBox* cbGleiche = nullptr;
    QCheckBox* cbOrte = nullptr;
    QCheckBox* cbGleicheArmeen = nullptr;
    QCheckBox* cbTeams = nullptr;
    GanzzahlFeld* EArmeen = nullptr;
    GanzzahlFeld* EGleiche = nullptr;
    GanzzahlFeld* EOrte = nullptr;
    GanzzahlFeld* EGleicheArmeen = nullptr;
    GanzzahlFeld* ETeams = nullptr;
    GanzzahlFeld* ETimesAgainstArmy = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QRadioButton* rbArmeebewertung = nullptr;
    QRadioButton* rbZufaellig = nullptr;
    QCheckBox* cbTeamTurnier = nullptr;
    QCheckBox* cbPaarungshilfe = nullptr;
    QLabel* lbRundenanzahl = nullptr;
    // 1 to HoechsteRundenAnzahl; a team tournament keeps at most five.
    GanzzahlFeld* ERundenAnzahl = nullptr;
    QCheckBox* cbGruppen = nullptr;

    // Page "Punkte"
    QCheckBox* cbTunierpunkte = nullptr;
    QCheckBox* cbArmeebewertung = nullptr;
    QRadioButton* rbKlassisch = nullptr;
    QRadioButton* rbVergleichend = nullptr;
    QCheckBox* cbBemalung = nullptr;
    QCheckBox* cbQuiz = nullptr;
    QCheckBox* cbFairplay = nullptr;
    QCheckBox* cbSonstiges = nullptr;
    QCheckBox* cbSzenario = nullptr;
    QLineEdit* EProzentTurnier = nullptr;
    QLineEdit* EProzentArmee = nullptr;
    QLineEdit* EProzentBemalung = nullptr;
    QLineEdit* EProzentQuiz = nullptr;
    QLineEdit* EProzentFairplay = nullptr;
    QLineEdit* EProzentSonstige = nullptr;

    // Pages "Orte", "Teams", "Armeen"
    NeutralSeite* tbOrte = nullptr;
    NeutralSeite* tbTeams = nullptr;
    NeutralSeite* TabSheet3 = nullptr;

    // Page "Ergebniseingabe"
    QCheckBox* bSiegpunktmatrix = nullptr;
    QCheckBox* cbFairplayProSpiel = nullptr;
    QCheckBox* cbSzenarioEingabe = nullptr;
    QCheckBox* cbDruckMitSpielernummer = nullptr;
};

extern TDlgOptionen* DlgOptionen;
