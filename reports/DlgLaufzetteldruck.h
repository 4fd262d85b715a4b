#pragma once
// The run-sheet options: which lines the sheets show, two sheets per game, start numbers. Its
// print button stores the choice and opens the run sheets' preview; Cancel changes nothing.
#include "dialogs/FormDialog.h"

class QCheckBox;
class QPushButton;

class TDlgLaufzetteldruck : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgLaufzetteldruck(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void TexteUebersetzen();
    // Captions, then each box from its flag.
    void FormShow() override;
    void OKBtnClick();

private:
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QCheckBox* cbZweiproPaar;
    QCheckBox* cbSpielernummern;
    QCheckBox* cbTunier;
    QCheckBox* cbFairplay;
    QCheckBox* cbSzenario;
};

extern TDlgLaufzetteldruck* DlgLaufzetteldruck;
