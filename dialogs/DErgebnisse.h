#pragma once
// Result entry for the games of the round AktuellerSpieltag. The dialog edits the working copies
// that each pairing of Paarungsliste holds; closing with OK writes every changed pairing into both
// players and marks it entered, any other way of closing reloads the changed pairings from the
// players. A pairing that a remote client delivered while the dialog was open keeps the client's
// result.
#include "dialogs/FormDialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TPaarung;
class TRundenErgebnis;

class TDlgErgebnisse : public TFormDialog {
    Q_OBJECT
public:
    // Builds the controls; the creation step (FormCreate) is run by whoever creates the window.
    explicit TDlgErgebnisse(QWidget* parent = nullptr);

    // Registers the texts; the toggle starts showing every game.
    void FormCreate();

    static void TexteRegistrieren();

    // Runs on every showing.
    void FormShow() override;
    // Every way of closing ends here: stores or reverts, then closes.
    void done(int result) override;

    bool NurOffeneAnzeigen() const { return NurOffene; }

private:
    void TexteSetzen();
    // Fills the list with every pairing, or with those not yet entered.
    void ListeFuellen();
    void ErgebnisAnzeigen();
    void EintragAktualisieren();
    void PunkteAusMatrix();
    void WertGeaendert(QLineEdit* edit, int TRundenErgebnis::*feld, bool seite1);
    void ESpielerNrChange();
    void btnAusblendenClick();
    void FormClose();
    // The pairing of the selected line, or nullptr.
    TPaarung* Gewaehlt() const;
    void ZeileEinfuegen(TPaarung* paarung);

    bool Bestaetigt = false;
    bool NurOffene = false;
    bool Aktualisierung = false;

    QListWidget* lbErgebnisse = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* ESpielerNr = nullptr;
    QLabel* lbSpieler1 = nullptr;
    QLabel* lbSpieler2 = nullptr;
    QLabel* Label1 = nullptr; // fair play 1
    QLabel* Label2 = nullptr; // points 1
    QLabel* Label3 = nullptr; // victory points 1
    QLabel* Label4 = nullptr; // fair play 2
    QLabel* Label5 = nullptr; // points 2
    QLabel* Label6 = nullptr; // victory points 2
    QLabel* Label7 = nullptr; // scenario 1
    QLabel* Label8 = nullptr; // scenario 2
    QLineEdit* ESPkt1 = nullptr;
    QLineEdit* ESpkt2 = nullptr;
    QLineEdit* EPkt1 = nullptr;
    QLineEdit* EPkt2 = nullptr;
    QLineEdit* EFair1 = nullptr;
    QLineEdit* EFair2 = nullptr;
    QLineEdit* ESzenario1 = nullptr;
    QLineEdit* ESzenario2 = nullptr;
    QPushButton* btnAusblenden = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

extern TDlgErgebnisse* DlgErgebnisse;

// The line of a pairing: names, points and victory points of both sides.
QString ErgebnisZeile(const TPaarung& paarung);
