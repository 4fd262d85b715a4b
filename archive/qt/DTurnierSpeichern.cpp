#include "archive/qt/DTurnierSpeichern.h"

#include "archive/ArchivSchritte.h"
#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDlgSaveTurnier* DlgSaveTurnier = nullptr;

namespace {

constexpr int Abschnitt = 19;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

} // namespace

TDlgSaveTurnier::TDlgSaveTurnier(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgSaveTurnier");
    auto* rahmen = NeuesElement<QFrame>(this, "Bevel1");
    rahmen->setFrameShape(QFrame::StyledPanel);
    Label2 = NeuesElement<QLabel>(rahmen, "Label2");
    Label3 = NeuesElement<QLabel>(rahmen, "Label3");
    Label4 = NeuesElement<QLabel>(rahmen, "Label4");
    Label1 = NeuesElement<QLabel>(rahmen, "Label1");
    Edit1 = NeuesElement<QLineEdit>(rahmen, "Edit1");
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");

    auto* name = new QHBoxLayout;
    name->addWidget(Label1);
    name->addWidget(Edit1, 1);
    auto* innen = new QVBoxLayout(rahmen);
    for (QLabel* zeile : {Label2, Label3, Label4})
        innen->addWidget(zeile);
    innen->addSpacing(8);
    innen->addLayout(name);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rahmen);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &TDlgSaveTurnier::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDlgSaveTurnier::FormCreate() {
    TexteRegistrieren();
}

void TDlgSaveTurnier::TexteRegistrieren() {
    RegisterTexts(Abschnitt, {"Bitte einen Namen eingeben", "Turnier übernehmen",
                              "Diese Funktion sollte erst am Ende des Turniers ausgeführt",
                              "werden, da sonst das Turnier doppelt oder gar nicht erfasst",
                              "wird.", "Name:", "OK", "Abbrechen"});
}

void TDlgSaveTurnier::FormShow() {
    setWindowTitle(Text(2));
    Label2->setText(Text(3));
    Label3->setText(Text(4));
    Label4->setText(Text(5));
    Label1->setText(Text(6));
    OKBtn->setText(Text(7));
    CancelBtn->setText(Text(8));
}

void TDlgSaveTurnier::OKBtnClick() {
    const std::string name = TrimText(Cp(Edit1->text()));
    if (name.empty())
        Messages().ShowMessage(GetTranslation(7, 8), GetTranslation(Abschnitt, 1));
    else
        Guarded([&name] { TurnierArchivieren(name, ArchivDatei()); });
    accept();
}
