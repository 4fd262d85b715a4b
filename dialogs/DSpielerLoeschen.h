#pragma once
// Removing players for good: the one chosen by name, or every player not checked in. No question
// is asked; each deletion takes effect at once, on the main thread, where the result server's
// connection threads hand their work, so no request finds the list half changed.
#include "dialogs/FormDialog.h"

class QComboBox;
class QPushButton;

class TDlgSpielerLoeschen : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgSpielerLoeschen(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void FormShow() override;

private:
    void TexteSetzen();
    // Every player's display name, sorted, none chosen.
    void NamenLaden();
    void Button1Click();
    void Button2Click();

    QComboBox* cbSpieler = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* CancelBtn = nullptr;
};

extern TDlgSpielerLoeschen* DlgSpielerLoeschen;
