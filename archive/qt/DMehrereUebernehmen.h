#pragma once
// Creates several players at once from archive persons: names are moved from the archive's list
// on the left to the list on the right, and OK makes a player of each.
#include "dialogs/FormDialog.h"

class QListWidget;
class QPushButton;

class TDlgMehrererUebernehmen : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgMehrererUebernehmen(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    // Captions and every archive person in lvArchiv; lvUebernahme keeps what it held.
    void FormShow() override;
    void Button1Click();
    void Button2Click();
    // A player for each name of lvUebernahme; the list is then emptied, so that the next OK does
    // not take the same persons over again.
    void OKBtnClick();

    QListWidget* lvArchiv;
    QListWidget* lvUebernahme;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

extern TDlgMehrererUebernehmen* DlgMehrererUebernehmen;
