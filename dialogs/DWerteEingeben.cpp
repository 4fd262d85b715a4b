#include "dialogs/DWerteEingeben.h"

#include "core/Data.h"
#include "dialogs/Bildschirm.h"
#include "dialogs/Textvergleich.h"
#include "platform/Convert.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TDlgWerteEingeben* DlgWerteEingeben = nullptr;

namespace {

constexpr int Abschnitt = 5;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

// The player's field that Modus edits, or nullptr.
int* Feld(TSpieler& s, int modus) {
    switch (modus) {
    case 1:
        return &s.Armeebewertung;
    case 2:
        return &s.Bemalung;
    case 3:
        return &s.Quiz;
    case 4:
        return &s.Fairplay;
    case 5:
        return &s.Sonstiges;
    default:
        return nullptr;
    }
}

TSpieler* SpielerNamens(const std::string& name) {
    const int i = FindeSpielerNachName(name);
    return i < 0 ? nullptr : Spielerliste[static_cast<size_t>(i)].get();
}

} // namespace

TDlgWerteEingeben::TDlgWerteEingeben(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgWerteEingeben");
    auto* zeilen = new QGridLayout;
    for (int k = 0; k < Zeilen; ++k) {
        const QByteArray nr = QByteArray::number(k + 1);
        Label[k] = NeuesElement<QLabel>(this, ("Label" + nr).constData());
        Edit[k] = NeuesElement<QLineEdit>(this, ("Edit" + nr).constData());
        Edit[k]->setFixedWidth(80);
        Label[k]->setMinimumWidth(260);
        zeilen->addWidget(Label[k], k, 0);
        zeilen->addWidget(Edit[k], k, 1);
    }
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    // These two captions are fixed wording, not texts of the text table.
    Button1 = NeuesElement<QPushButton>(this, "Button1");
    Button1->setText("<==");
    Button2 = NeuesElement<QPushButton>(this, "Button2");
    Button2->setText("==>");
    for (QPushButton* knopf : {Button1, Button2})
        knopf->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this, &TDlgWerteEingeben::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDlgWerteEingeben::Button2Click);
    connect(OKBtn, &QPushButton::clicked, this, &TDlgWerteEingeben::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // Hidden rows keep their place, so the page buttons stay where they are.
    auto* links = new QVBoxLayout;
    links->addLayout(zeilen);
    auto* blaettern = new QHBoxLayout;
    blaettern->addWidget(Button1);
    blaettern->addWidget(Button2);
    blaettern->addStretch();
    links->addLayout(blaettern);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(OKBtn);
    rechts->addWidget(CancelBtn);
    rechts->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(links, 1);
    layout->addLayout(rechts);
    for (int k = 0; k < Zeilen; ++k) {
        QSizePolicy halten = Label[k]->sizePolicy();
        halten.setRetainSizeWhenHidden(true);
        Label[k]->setSizePolicy(halten);
        halten = Edit[k]->sizePolicy();
        halten.setRetainSizeWhenHidden(true);
        Edit[k]->setSizePolicy(halten);
    }
}

void TDlgWerteEingeben::FormCreate() {
    TexteRegistrieren();
    Werte.clear();
}

void TDlgWerteEingeben::TexteRegistrieren() {
    static const char* const texte[] = {"Werte eingeben",    "OK",
                                        "Abbrechen",         "Armeebewertung eingeben",
                                        "Bemalung eingeben", "Quiz eingeben",
                                        "Fairplay eingeben", "Sonstiges eingeben"};
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

void TDlgWerteEingeben::TexteSetzen() {
    setWindowTitle(Text(1));
    OKBtn->setText(Text(2));
    CancelBtn->setText(Text(3));
}

void TDlgWerteEingeben::FormShow() {
    TexteSetzen();
    if (Modus >= 1 && Modus <= 5)
        setWindowTitle(Text(3 + Modus));
    QStringList namen;
    for (const auto& s : Spielerliste)
        namen << Qs(s->GetName());
    Werte.clear();
    for (const QString& name : SortiertOhneFall(namen)) {
        TWert zeile;
        zeile.Name = Cp(name);
        const int i = FindeSpielerNachName(zeile.Name);
        if (i >= 0) {
            if (const int* feld = Feld(*Spielerliste[static_cast<size_t>(i)], Modus))
                zeile.Wert = *feld;
            zeile.SpielerIndex = i;
        }
        Werte.push_back(zeile);
    }
    Seite = 0;
    SeiteAnzeigen();
    AufBildschirmZentrieren(this);
}

void TDlgWerteEingeben::SeiteAnzeigen() {
    for (int k = 0; k < Zeilen; ++k) {
        const size_t j = static_cast<size_t>(Zeilen * Seite + k);
        const bool belegt = j < Werte.size();
        if (belegt) {
            Label[k]->setText(Qs(Werte[j].Name));
            Edit[k]->setText(QString::number(Werte[j].Wert));
        }
        Label[k]->setVisible(belegt);
        Edit[k]->setVisible(belegt);
    }
}

void TDlgWerteEingeben::SeiteUebernehmen() {
    for (int k = 0; k < Zeilen; ++k) {
        const size_t j = static_cast<size_t>(Zeilen * Seite + k);
        int wert = 0;
        if (j < Werte.size() && TryStrToInt(Cp(Edit[k]->text()), wert))
            Werte[j].Wert = wert;
    }
}

void TDlgWerteEingeben::Button1Click() {
    SeiteUebernehmen();
    Seite = std::max(0, Seite - 1);
    SeiteAnzeigen();
}

void TDlgWerteEingeben::Button2Click() {
    SeiteUebernehmen();
    ++Seite;
    if (static_cast<size_t>(Zeilen * Seite) >= Werte.size())
        Seite = std::max(0, Seite - 1);
    SeiteAnzeigen();
}

void TDlgWerteEingeben::OKBtnClick() {
    SeiteUebernehmen();
    // By name: a player listed twice under one name takes the later line's value.
    for (const TWert& zeile : Werte)
        if (TSpieler* s = SpielerNamens(zeile.Name))
            if (int* feld = Feld(*s, Modus))
                *feld = zeile.Wert;
    accept();
}
