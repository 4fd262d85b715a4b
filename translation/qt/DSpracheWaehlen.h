#pragma once
// The language chooser: the built-in texts or one of the language files in the program's folder.
// With a file "Translator.txt" there it also writes a language file of every text and switches
// the display of each text's address. The choice itself is applied by the language command.
#include "dialogs/FormDialog.h"

#include <string>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

class TDlgSpracheWaehlen : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgSpracheWaehlen(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    // Captions, the languages found, the translator controls, the last choice preselected.
    void FormShow() override;
    // "Sprachfile Schreiben".
    void Button1Click();
    // OK: stores the numbers option and closes.
    void btOKClick();

    bool Originalsprache() const;
    // The language chosen in cbSprache (Windows-1252).
    std::string Sprache() const;

    QRadioButton* rbOriginal;
    QRadioButton* rbTranslate;
    QComboBox* cbSprache;
    QPushButton* btOK;
    QPushButton* Button1;
    QCheckBox* cbNummern;

private:
    void TexteUebersetzen();
};

extern TDlgSpracheWaehlen* DlgSpracheWaehlen;
