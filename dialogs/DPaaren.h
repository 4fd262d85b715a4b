#pragma once
// The pairing dialog: fixed pairings chosen by hand, the options dialog, and "Jetzt Paaren",
// which pairs the round AktuellerSpieltag. The search runs on a worker thread while the dialog
// shows that it is working; everything else of the run happens on the main thread.
#include "core/Paarungslauf.h"
#include "dialogs/FormDialog.h"

#include <exception>
#include <string>
#include <thread>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class TDlgPaaren : public TFormDialog {
    Q_OBJECT
public:
    // Builds the controls; the creation step (FormCreate) is run by whoever creates the window.
    explicit TDlgPaaren(QWidget* parent = nullptr);
    // Waits for a search still running.
    ~TDlgPaaren() override;

    void FormCreate();
    static void TexteRegistrieren();
    // Captions, an empty list of fixed pairings, the names of every player or team to choose.
    void FormShow() override;

    bool Sucht() const { return suche_.joinable(); }
    // Not while the search runs: its result must be committed.
    void reject() override;

signals:
    // A run that searched has ended, committed or not.
    void SucheBeendet();

private:
    void TexteSetzen();
    void bHinzuClick();
    void bEntfernenClick();
    void bOptionClick();
    void OKBtnClick();
    void SucheFertig(bool gefunden, std::exception_ptr fehler);
    void Beschaeftigt(bool an);

    QPushButton* bOption = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbSpieler1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbSpieler2 = nullptr;
    QPushButton* bHinzu = nullptr;
    QListWidget* lbFeste = nullptr;
    QPushButton* bEntfernen = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QProgressBar* pbSuche = nullptr;

    TPaarungslauf lauf_;
    std::thread suche_;
};

extern TDlgPaaren* DlgPaaren;
// The fixed pairings as consecutive names: side 1 at even positions, side 2 right after it.
extern std::vector<std::string> FesteListe;
