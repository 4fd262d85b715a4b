#pragma once
// Stores the finished tournament into the archive under a name and writes "Archiv.dat". Its
// warning says to run it only at the end: nothing else guards against storing twice.
#include "dialogs/FormDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TDlgSaveTurnier : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgSaveTurnier(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void FormShow() override;
    // A blank name is refused with a message; otherwise the tournament is stored. The dialog
    // closes in both cases, also when storing fails.
    void OKBtnClick();

    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

extern TDlgSaveTurnier* DlgSaveTurnier;
