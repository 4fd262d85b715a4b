#pragma once
// Table management: the table options (each written the moment its control changes), the games
// of the round fixed to tables by hand, the table groups in a grid, and a new assignment of the
// round's tables. "Fertig" (and Esc) take the grid over into the groups; the close box does not.
// The main window writes the tables into the players after the dialog has closed.
#include "dialogs/FormDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class TPaarung;

class TdlgTischverwaltung : public TFormDialog {
    Q_OBJECT
public:
    // Builds the controls; the creation step (FormCreate) is run by whoever creates the window.
    explicit TdlgTischverwaltung(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    // Runs on every showing: the pairing list prepared, the controls loaded from the options, the
    // two lists of pairings, the grid and the form's width.
    void FormShow() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TexteSetzen();
    void EAnzahlTischgruppenChange();
    void TischgruppenMatrixSetEditText();
    void btFreiZuFestClick();
    void btFestZuFreiClick();
    void btZuweisenClick();
    void CancelBtnClick();

    void TischgruppenAusMatrix();
    void TischgruppenInMatrix();
    void MatrixAnpassen();
    void FesteTischeAnzeigen();
    // The pairing of a line, when it is still in the list the tables are given to.
    TPaarung* PaarungVon(const class QListWidgetItem* zeile) const;

    bool fuellen_ = false; // the grid is being filled from the groups, not edited

    QTabWidget* pcTische = nullptr;
    QWidget* tbAllgemein = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* EAnzTische = nullptr;
    QGroupBox* gbZuweisen = nullptr;
    QRadioButton* rbZufaellig = nullptr;
    QLineEdit* EXinReihe = nullptr;
    QLabel* Label3 = nullptr;
    QRadioButton* rbReihenfolge = nullptr;
    QCheckBox* cbTischgruppe = nullptr;
    QLabel* lbGruppeText1 = nullptr;
    QLineEdit* EWieOftProGruppe = nullptr;
    QLabel* lbGruppeText2 = nullptr;
    QWidget* tbFeste = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* lbFrei = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* lbFest = nullptr;
    QLineEdit* EFesteNr = nullptr;
    QPushButton* btFreiZuFest = nullptr;
    QPushButton* btFestZuFrei = nullptr;
    QWidget* tbTischgruppen = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* EAnzahlTischgruppen = nullptr;
    QTableWidget* TischgruppenMatrix = nullptr;
    QPushButton* btZuweisen = nullptr;
    QPushButton* CancelBtn = nullptr;
};

extern TdlgTischverwaltung* dlgTischverwaltung;
