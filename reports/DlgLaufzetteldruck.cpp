#include "reports/DlgLaufzetteldruck.h"

#include "core/Laufzettel.h"
#include "dialogs/Bildschirm.h"
#include "platform/Guarded.h"
#include "platform/qt/BerichtVorschau.h"
#include "reports/Berichtstexte.h"
#include "reports/Laufzettelbericht.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TDlgLaufzetteldruck* DlgLaufzetteldruck = nullptr;

namespace {

constexpr int Abschnitt = 10;

} // namespace

TDlgLaufzetteldruck::TDlgLaufzetteldruck(QWidget* parent)
    : TFormDialog(parent), OKBtn(NeuesElement<QPushButton>(this, "OKBtn")),
      CancelBtn(NeuesElement<QPushButton>(this, "CancelBtn")),
      cbZweiproPaar(NeuesElement<QCheckBox>(this, "cbZweiproPaar")),
      cbSpielernummern(NeuesElement<QCheckBox>(this, "cbSpielernummern")),
      cbTunier(NeuesElement<QCheckBox>(this, "cbTunier")),
      cbFairplay(NeuesElement<QCheckBox>(this, "cbFairplay")),
      cbSzenario(NeuesElement<QCheckBox>(this, "cbSzenario")) {
    setObjectName("DlgLaufzetteldruck");
    OKBtn->setDefault(true);
    // The dialog closes with OK once the preview has been closed, even when the preview failed.
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        Guarded([this] { OKBtnClick(); });
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &TDlgLaufzetteldruck::reject);

    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {cbZweiproPaar, cbSpielernummern, cbTunier, cbFairplay, cbSzenario})
        layout->addWidget(box);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    layout->addLayout(knoepfe);
}

void TDlgLaufzetteldruck::FormCreate() {
    TexteRegistrieren();
}

void TDlgLaufzetteldruck::TexteRegistrieren() {
    RegistriereAbschnitt(Abschnitt,
                         {"Laufzettel drucken", "Drucken", "Abbrechen", "Zwei pro Paarung",
                          "Turnierpunkte", "Fairplaypunkte", "Szenariopunkte", "Spielernummern"});
}

void TDlgLaufzetteldruck::TexteUebersetzen() {
    setWindowTitle(Text(Abschnitt, 1));
    OKBtn->setText(Text(Abschnitt, 2));
    CancelBtn->setText(Text(Abschnitt, 3));
    cbZweiproPaar->setText(Text(Abschnitt, 4));
    cbTunier->setText(Text(Abschnitt, 5));
    cbFairplay->setText(Text(Abschnitt, 6));
    cbSzenario->setText(Text(Abschnitt, 7));
    cbSpielernummern->setText(Text(Abschnitt, 8));
}

void TDlgLaufzetteldruck::FormShow() {
    TexteUebersetzen();
    cbZweiproPaar->setChecked(LaufzettelZweiProPaarung);
    cbTunier->setChecked(LaufzettelTurnierpunkte);
    cbFairplay->setChecked(LaufzettelFairplay);
    cbSzenario->setChecked(LaufzettelSzenario);
    cbSpielernummern->setChecked(LaufzettelSpielernummern);
    AufBildschirmZentrieren(this);
}

void TDlgLaufzetteldruck::OKBtnClick() {
    LaufzettelZweiProPaarung = cbZweiproPaar->isChecked();
    LaufzettelTurnierpunkte = cbTunier->isChecked();
    LaufzettelFairplay = cbFairplay->isChecked();
    LaufzettelSzenario = cbSzenario->isChecked();
    LaufzettelSpielernummern = cbSpielernummern->isChecked();
    Vorschau(RepLaufzettel->QuickRep1, Text(1, 37), {}, this);
}
