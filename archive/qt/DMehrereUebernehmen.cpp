#include "archive/qt/DMehrereUebernehmen.h"

#include "archive/ArchivSchritte.h"
#include "archive/Spielerarchiv.h"
#include "dialogs/SortierteZeile.h"
#include "platform/Guarded.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TDlgMehrererUebernehmen* DlgMehrererUebernehmen = nullptr;

namespace {

constexpr int Abschnitt = 11;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

QListWidget* Namensliste(QWidget* parent, const char* name) {
    auto* liste = NeuesElement<QListWidget>(parent, name);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setSortingEnabled(true);
    liste->setMinimumSize(200, 260);
    return liste;
}

// The selected rows, collected first in row order, go over one by one; each takes the first
// row of its text (letter case ignored) out of the source.
void Verschieben(QListWidget* von, QListWidget* nach) {
    QStringList texte;
    for (int i = 0; i < von->count(); ++i)
        if (von->item(i)->isSelected())
            texte << von->item(i)->text();
    for (const QString& text : texte) {
        nach->addItem(new TSortierteZeile(text));
        for (int i = 0; i < von->count(); ++i) {
            if (GleichOhneFall(von->item(i)->text(), text)) {
                delete von->takeItem(i);
                break;
            }
        }
    }
}

} // namespace

TDlgMehrererUebernehmen::TDlgMehrererUebernehmen(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgMehrererUebernehmen");
    lvArchiv = Namensliste(this, "lvArchiv");
    lvUebernahme = Namensliste(this, "lvUebernahme");
    Button1 = NeuesElement<QPushButton>(this, "Button1");
    Button1->setText("==>");
    Button2 = NeuesElement<QPushButton>(this, "Button2");
    Button2->setText("<==");
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    for (QPushButton* knopf : {Button1, Button2, CancelBtn})
        knopf->setAutoDefault(false);

    auto* mitte = new QVBoxLayout;
    mitte->addStretch();
    mitte->addWidget(Button1);
    mitte->addWidget(Button2);
    mitte->addStretch();
    auto* listen = new QHBoxLayout;
    listen->addWidget(lvArchiv);
    listen->addLayout(mitte);
    listen->addWidget(lvUebernahme);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listen);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TDlgMehrererUebernehmen::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDlgMehrererUebernehmen::Button2Click);
    connect(OKBtn, &QPushButton::clicked, this, &TDlgMehrererUebernehmen::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDlgMehrererUebernehmen::FormCreate() {
    TexteRegistrieren();
}

void TDlgMehrererUebernehmen::TexteRegistrieren() {
    RegisterTexts(Abschnitt, {"Mehrere Spieler übernehmen", "OK", "Abbrechen"});
}

void TDlgMehrererUebernehmen::FormShow() {
    setWindowTitle(Text(1));
    OKBtn->setText(Text(2));
    CancelBtn->setText(Text(3));
    lvArchiv->clear();
    for (const auto& person : Archiv.Personen)
        lvArchiv->addItem(NeueZeile(person->Name));
}

void TDlgMehrererUebernehmen::Button1Click() {
    Verschieben(lvArchiv, lvUebernahme);
}

void TDlgMehrererUebernehmen::Button2Click() {
    Verschieben(lvUebernahme, lvArchiv);
}

void TDlgMehrererUebernehmen::OKBtnClick() {
    std::vector<std::string> namen;
    for (int i = 0; i < lvUebernahme->count(); ++i)
        namen.push_back(Cp(lvUebernahme->item(i)->text()));
    if (Guarded([&namen] { SpielerAusArchiv(namen); }))
        lvUebernahme->clear();
    accept();
}
