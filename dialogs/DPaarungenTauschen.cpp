#include "dialogs/DPaarungenTauschen.h"

#include "core/Data.h"
#include "core/PaarungTauschen.h"
#include "dialogs/Bildschirm.h"
#include "dialogs/Textvergleich.h"
#include "platform/Guarded.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TDlgPaarungenTauschen* DlgPaarungenTauschen = nullptr;

namespace {

constexpr int Abschnitt = 15;
const QString Trenner = " : ";

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

// A game line split at its first separator; false when it holds none.
bool Teilen(const QString& zeile, QString& erster, QString& zweiter) {
    const qsizetype pos = zeile.indexOf(Trenner);
    if (pos < 0)
        return false;
    erster = zeile.left(pos);
    zweiter = zeile.mid(pos + Trenner.size());
    return true;
}

} // namespace

TDlgPaarungenTauschen::TDlgPaarungenTauschen(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgPaarungenTauschen");
    cbPaarung1 = NeuesElement<QComboBox>(this, "cbPaarung1");
    cbPaarung2 = NeuesElement<QComboBox>(this, "cbPaarung2");
    for (QComboBox* box : {cbPaarung1, cbPaarung2}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(36);
    }
    bTauschen = NeuesElement<QPushButton>(this, "bTauschen");
    Paar1Neu = NeuesElement<QLabel>(this, "Paar1Neu");
    Paar2Neu = NeuesElement<QLabel>(this, "Paar2Neu");
    for (QLabel* paar : {Paar1Neu, Paar2Neu})
        paar->setAlignment(Qt::AlignCenter);
    bUebernehmen = NeuesElement<QPushButton>(this, "bUebernehmen");
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    for (QPushButton* knopf : {bTauschen, bUebernehmen, CancelBtn})
        knopf->setAutoDefault(false);

    connect(bTauschen, &QPushButton::clicked, this, &TDlgPaarungenTauschen::bTauschenClick);
    connect(bUebernehmen, &QPushButton::clicked, this,
            [this] { Guarded([this] { bUebernehmenClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // The chosen games on the left, what they become on the right.
    auto* layout = new QGridLayout(this);
    layout->addWidget(cbPaarung1, 0, 0);
    layout->addWidget(bTauschen, 0, 1, 2, 1);
    layout->addWidget(Paar1Neu, 0, 2);
    layout->addWidget(cbPaarung2, 1, 0);
    layout->addWidget(Paar2Neu, 1, 2);
    layout->addWidget(bUebernehmen, 2, 2, Qt::AlignHCenter);
    layout->addWidget(CancelBtn, 3, 2, Qt::AlignRight);
    layout->setColumnMinimumWidth(2, 300);
    layout->setRowMinimumHeight(2, 40);
}

void TDlgPaarungenTauschen::FormCreate() {
    TexteRegistrieren();
}

void TDlgPaarungenTauschen::TexteRegistrieren() {
    static const char* const texte[] = {"Paarungen Tauschen", "Tauschen", "Übernehmen", "Fertig"};
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

void TDlgPaarungenTauschen::TexteSetzen() {
    setWindowTitle(Text(1));
    bTauschen->setText(Text(2));
    bUebernehmen->setText(Text(3));
    CancelBtn->setText(Text(4));
}

void TDlgPaarungenTauschen::FormShow() {
    TexteSetzen();
    PaarungenLaden();
    Variante = 1;
    AufBildschirmZentrieren(this);
}

void TDlgPaarungenTauschen::PaarungenLaden() {
    // Each game once, from its lower start number; a bye names the player on both sides.
    QStringList spiele;
    for (const auto& p : Spielerliste) {
        const int o = p->GetGegner(AktuellerSpieltag);
        const TSpieler* gegner = o >= 1 && o >= p->Startnummer ? FindeSpieler(o) : nullptr;
        if (gegner)
            spiele << Qs(p->GetName()) + Trenner + Qs(gegner->GetName());
    }
    spiele = SortiertOhneFall(spiele);
    for (QComboBox* box : {cbPaarung1, cbPaarung2}) {
        box->clear();
        box->addItems(spiele);
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
    Paar1Neu->clear();
    Paar2Neu->clear();
}

void TDlgPaarungenTauschen::bTauschenClick() {
    QString a, b, c, d;
    if (!Teilen(cbPaarung1->currentText(), a, b) || !Teilen(cbPaarung2->currentText(), c, d))
        return;
    const QString paare[3][2] = {{a + Trenner + c, b + Trenner + d},
                                 {a + Trenner + d, b + Trenner + c},
                                 {a + Trenner + b, c + Trenner + d}};
    const int v = Variante >= 1 && Variante <= 3 ? Variante : 1;
    Paar1Neu->setText(paare[v - 1][0]);
    Paar2Neu->setText(paare[v - 1][1]);
    Variante = v % 3 + 1;
}

void TDlgPaarungenTauschen::bUebernehmenClick() {
    QString w, x, y, z;
    if (!Teilen(Paar1Neu->text(), w, x) || !Teilen(Paar2Neu->text(), y, z))
        return;
    // On the main thread, where the result server's connection threads hand their work: no
    // request sees the pairings half swapped. Names of no player leave the boxes and the preview
    // as they are, to be corrected.
    if (TauschePaarungen(Cp(w), Cp(x), Cp(y), Cp(z)))
        PaarungenLaden();
}
