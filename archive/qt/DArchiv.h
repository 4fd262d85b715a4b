#pragma once
// The archive as an all-time ranking, one line per person, which "Speichern" writes to a text
// file.
#include "dialogs/FormDialog.h"

#include <string>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class TDateiDialog;

class TDlgArchiv : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgArchiv(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    // Captions, and the ranking listed anew.
    void FormShow() override;
    // Writes the lines last listed to a file chosen in SaveDialog1.
    void Speichern1Click();

    QMenu* Datei1;
    QAction* Speichern1;
    QListWidget* lbTabelle;
    QLabel* lbInfo;
    TDateiDialog* SaveDialog1;
};

extern TDlgArchiv* DlgArchiv;
// The lines of the ranking last listed.
extern std::vector<std::string> ArchivZeilen;
