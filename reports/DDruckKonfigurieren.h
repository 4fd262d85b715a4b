#pragma once
// The print configuration of the status report: which army-list states, paid and registered
// players to print, with or without start numbers, and the sort key. The boxes keep their state
// between showings; the sort key starts at name on every showing.
#include "dialogs/FormDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

class TDlgDruckKonfigurieren : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgDruckKonfigurieren(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void FormShow() override;
    void TexteUebersetzen();
    // Copies the choices into the status report, builds its rows and shows its preview; the
    // dialog closes when the preview does.
    void OKBtnClick();

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QTabWidget* pcDrucke;
    QWidget* tbErgebnis;
    QWidget* tbVerwaltung;
    QLabel* Label4;
    QComboBox* cbVerSortBy;
    QGroupBox* gbVerwaltungStati;
    QLabel* Label1;
    QCheckBox* cbAlAlle;
    QCheckBox* cbAlFehlt;
    QCheckBox* cbAlAbgegeben;
    QCheckBox* cbAlRuecksprache;
    QCheckBox* cbAlOk;
    QLabel* Label2;
    QCheckBox* cbBezAlle;
    QCheckBox* cbBezJa;
    QCheckBox* cbBezNein;
    QLabel* Label3;
    QCheckBox* cbGeAlle;
    QCheckBox* cbGeJa;
    QCheckBox* cbGeNein;
    QLabel* Label5;
    QRadioButton* rbJa;
    QRadioButton* rbNein;
};

extern TDlgDruckKonfigurieren* DlgDruckKonfigurieren;
