#pragma once
// Entry of one kind of special score for every player at once, ten players a page in
// alphabetical order. OK writes every line back into the player of its name; any other way of
// closing leaves the players as they were.
#include "dialogs/FormDialog.h"

#include <array>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

class TWert {
public:
    std::string Name; // display name
    int Wert = 0;
    int SpielerIndex = -1; // position in Spielerliste when the line was made; not used to store
};

class TDlgWerteEingeben : public TFormDialog {
    Q_OBJECT
public:
    static constexpr int Zeilen = 10;

    explicit TDlgWerteEingeben(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void FormShow() override;

    // The score kind the next showing edits: 1 army rating, 2 painting, 3 quiz, 4 overall fair
    // play, 5 other; any other value edits nothing.
    int Modus = 0;
    int Seite = 0;
    std::vector<TWert> Werte;

private:
    void TexteSetzen();
    void SeiteAnzeigen();
    void SeiteUebernehmen();
    void Button1Click();
    void Button2Click();
    void OKBtnClick();

    std::array<QLabel*, Zeilen> Label{};
    std::array<QLineEdit*, Zeilen> Edit{};
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};

extern TDlgWerteEingeben* DlgWerteEingeben;
