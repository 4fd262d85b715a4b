#include "dialogs/DSpielerLoeschen.h"

#include "core/Data.h"
#include "core/SpielerLoeschen.h"
#include "dialogs/Bildschirm.h"
#include "dialogs/Textvergleich.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

TDlgSpielerLoeschen* DlgSpielerLoeschen = nullptr;

namespace {

constexpr int Abschnitt = 17;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

} // namespace

TDlgSpielerLoeschen::TDlgSpielerLoeschen(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgSpielerLoeschen");
    cbSpieler = NeuesElement<QComboBox>(this, "cbSpieler");
    cbSpieler->setMinimumContentsLength(30);
    Button1 = NeuesElement<QPushButton>(this, "Button1");
    Button2 = NeuesElement<QPushButton>(this, "Button2");
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    for (QPushButton* knopf : {Button1, Button2, CancelBtn})
        knopf->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this, &TDlgSpielerLoeschen::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDlgSpielerLoeschen::Button2Click);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(cbSpieler, 0, 0);
    layout->addWidget(Button1, 0, 1);
    layout->addWidget(Button2, 1, 0, 1, 2);
    layout->addWidget(CancelBtn, 2, 1);
}

void TDlgSpielerLoeschen::FormCreate() {
    TexteRegistrieren();
}

void TDlgSpielerLoeschen::TexteRegistrieren() {
    static const char* const texte[] = {"Spieler löschen", "Löschen",
                                        "Alle nicht gemeldeten Spieler löschen", "Fertig"};
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

void TDlgSpielerLoeschen::TexteSetzen() {
    setWindowTitle(Text(1));
    Button1->setText(Text(2));
    Button2->setText(Text(3));
    CancelBtn->setText(Text(4));
}

void TDlgSpielerLoeschen::FormShow() {
    TexteSetzen();
    NamenLaden();
    AufBildschirmZentrieren(this);
}

void TDlgSpielerLoeschen::NamenLaden() {
    QStringList namen;
    for (const auto& s : Spielerliste)
        namen << Qs(s->GetName());
    cbSpieler->clear();
    cbSpieler->addItems(SortiertOhneFall(namen));
    cbSpieler->setCurrentIndex(-1);
}

void TDlgSpielerLoeschen::Button1Click() {
    if (cbSpieler->currentIndex() >= 0)
        LoescheSpielerNachName(Cp(cbSpieler->currentText()));
    NamenLaden();
}

void TDlgSpielerLoeschen::Button2Click() {
    LoescheNichtGemeldete();
    NamenLaden();
}
