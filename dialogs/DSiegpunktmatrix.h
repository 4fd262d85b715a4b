#pragma once
// The victory-points matrix editor: one grid line per matrix row with its lower bound and the
// points of winner and loser, the number of lines, and the use flag. Showing loads everything
// from the matrix, so Cancel discards every edit; OK replaces the matrix (the upper bounds derived
// from the lower ones) and tells the result server's clients to fetch it again; a cell that is no
// integer leaves the matrix as it was and the dialog open at that cell.
#include "dialogs/FormDialog.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TDlgSiegpunktmatrix : public TFormDialog {
    Q_OBJECT
public:
    // Builds the controls; the creation step (FormCreate) is run by whoever creates the window.
    explicit TDlgSiegpunktmatrix(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    // Runs on every showing: count, flag and grid from the matrix, the form sized to the grid.
    void FormShow() override;

    int Zeilen = 0; // the number of matrix rows being edited

private:
    void TexteSetzen();
    void EAnzahlChange();
    void OKBtnClick();
    // Grid lines and panel for Zeilen rows; the form's height too when asked.
    void GridAnpassen(bool formHoeheSetzen);

    QCheckBox* cbMatrixNutzen = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EAnzahl = nullptr;
    QFrame* PMatrix = nullptr;
    QTableWidget* Matrix = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

extern TDlgSiegpunktmatrix* DlgSiegpunktmatrix;
