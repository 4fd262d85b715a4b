#pragma once
// Swapping the opponents of two games of the round AktuellerSpieltag. The two lists offer the
// games as "name : name"; "Tauschen" previews the three ways to pair the four players in turn,
// "Übernehmen" writes the previewed pairs into the players and the pairing list.
#include "dialogs/FormDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

class TDlgPaarungenTauschen : public TFormDialog {
    Q_OBJECT
public:
    explicit TDlgPaarungenTauschen(QWidget* parent = nullptr);

    void FormCreate();
    static void TexteRegistrieren();
    void FormShow() override;

    // The re-pairing "Tauschen" shows next: 1 A-C/B-D, 2 A-D/B-C, 3 the games as they are.
    int Variante = 1;

private:
    void TexteSetzen();
    void PaarungenLaden();
    void bTauschenClick();
    void bUebernehmenClick();

    QComboBox* cbPaarung1 = nullptr;
    QComboBox* cbPaarung2 = nullptr;
    QPushButton* bTauschen = nullptr;
    QLabel* Paar1Neu = nullptr;
    QLabel* Paar2Neu = nullptr;
    QPushButton* bUebernehmen = nullptr;
    QPushButton* CancelBtn = nullptr;
};

extern TDlgPaarungenTauschen* DlgPaarungenTauschen;
