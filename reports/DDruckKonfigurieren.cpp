#include "reports/DDruckKonfigurieren.h"

#include "core/Verwaltungsdruck.h"
#include "dialogs/Bildschirm.h"
#include "platform/Guarded.h"
#include "platform/qt/BerichtVorschau.h"
#include "platform/qt/QtText.h"
#include "reports/Berichtstexte.h"
#include "reports/RVerwaltung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TDlgDruckKonfigurieren* DlgDruckKonfigurieren = nullptr;

namespace {

constexpr int Abschnitt = 8;

// One row of the group box: its label, then its boxes side by side.
template <class... Boxen>
void Zeile(QGridLayout* raster, int zeile, QLabel* label, Boxen*... boxen) {
    raster->addWidget(label, zeile, 0);
    int spalte = 1;
    (raster->addWidget(boxen, zeile, spalte++), ...);
}

} // namespace

TDlgDruckKonfigurieren::TDlgDruckKonfigurieren(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgDruckKonfigurieren");
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    pcDrucke = NeuesElement<QTabWidget>(this, "pcDrucke");
    tbErgebnis = NeuesElement<QWidget>(pcDrucke, "tbErgebnis");
    tbVerwaltung = NeuesElement<QWidget>(pcDrucke, "tbVerwaltung");
    pcDrucke->addTab(tbErgebnis, QString());
    pcDrucke->addTab(tbVerwaltung, QString());
    pcDrucke->setCurrentWidget(tbVerwaltung);

    Label4 = NeuesElement<QLabel>(tbVerwaltung, "Label4");
    cbVerSortBy = NeuesElement<QComboBox>(tbVerwaltung, "cbVerSortBy");
    gbVerwaltungStati = NeuesElement<QGroupBox>(tbVerwaltung, "gbVerwaltungStati");
    const auto box = [this](const char* name, bool an = false) {
        auto* b = NeuesElement<QCheckBox>(gbVerwaltungStati, name);
        b->setChecked(an);
        return b;
    };
    Label1 = NeuesElement<QLabel>(gbVerwaltungStati, "Label1");
    cbAlAlle = box("cbAlAlle", true);
    cbAlFehlt = box("cbAlFehlt");
    cbAlAbgegeben = box("cbAlAbgegeben");
    cbAlRuecksprache = box("cbAlRuecksprache");
    cbAlOk = box("cbAlOk");
    Label2 = NeuesElement<QLabel>(gbVerwaltungStati, "Label2");
    cbBezAlle = box("cbBezAlle", true);
    cbBezJa = box("cbBezJa");
    cbBezNein = box("cbBezNein");
    Label3 = NeuesElement<QLabel>(gbVerwaltungStati, "Label3");
    cbGeAlle = box("cbGeAlle", true);
    cbGeJa = box("cbGeJa");
    cbGeNein = box("cbGeNein");
    Label5 = NeuesElement<QLabel>(gbVerwaltungStati, "Label5");
    rbJa = NeuesElement<QRadioButton>(gbVerwaltungStati, "rbJa");
    rbNein = NeuesElement<QRadioButton>(gbVerwaltungStati, "rbNein");
    rbJa->setChecked(true);

    auto* raster = new QGridLayout(gbVerwaltungStati);
    Zeile(raster, 0, Label1, cbAlAlle, cbAlFehlt, cbAlAbgegeben, cbAlRuecksprache, cbAlOk);
    Zeile(raster, 1, Label2, cbBezAlle, cbBezJa, cbBezNein);
    Zeile(raster, 2, Label3, cbGeAlle, cbGeJa, cbGeNein);
    Zeile(raster, 3, Label5, rbJa, rbNein);
    auto* sortierung = new QHBoxLayout;
    sortierung->addWidget(Label4);
    sortierung->addWidget(cbVerSortBy, 1);
    auto* seite = new QVBoxLayout(tbVerwaltung);
    seite->addLayout(sortierung);
    seite->addWidget(gbVerwaltungStati);
    seite->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcDrucke, 1);
    layout->addLayout(knoepfe);

    connect(OKBtn, &QPushButton::clicked, this, &TDlgDruckKonfigurieren::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDlgDruckKonfigurieren::reject);
}

void TDlgDruckKonfigurieren::FormCreate() {
    TexteRegistrieren();
}

void TDlgDruckKonfigurieren::TexteRegistrieren() {
    RegistriereAbschnitt(Abschnitt,
                         {"Drucken", "Abbrechen", "Ergebnis", "Verwaltung",
                          "Nur folgende Stati drucken", "Armeeliste", "Alle", "Fehlt", "Abgegeben",
                          "Rücksprache", "Ok", "Bezahlt", "Ja", "Nein", "Gemeldet",
                          "Sortieren Nach:", "Name", "Druck Konfigurieren", "Startnummer"});
}

void TDlgDruckKonfigurieren::FormShow() {
    TexteUebersetzen();
    AufBildschirmZentrieren(this);
}

void TDlgDruckKonfigurieren::TexteUebersetzen() {
    setWindowTitle(Text(Abschnitt, 18));
    OKBtn->setText(Text(Abschnitt, 1));
    CancelBtn->setText(Text(Abschnitt, 2));
    pcDrucke->setTabText(pcDrucke->indexOf(tbErgebnis), Text(Abschnitt, 3));
    pcDrucke->setTabText(pcDrucke->indexOf(tbVerwaltung), Text(Abschnitt, 4));
    gbVerwaltungStati->setTitle(Text(Abschnitt, 5));
    const std::pair<QAbstractButton*, int> knoepfe[] = {
        {cbAlAlle, 7},  {cbAlFehlt, 8}, {cbAlAbgegeben, 9}, {cbAlRuecksprache, 10}, {cbAlOk, 11},
        {cbBezAlle, 7}, {cbBezJa, 13},  {cbBezNein, 14},    {cbGeAlle, 7},          {cbGeJa, 13},
        {cbGeNein, 14}, {rbJa, 13},     {rbNein, 14}};
    for (const auto& [knopf, id] : knoepfe)
        knopf->setText(Text(Abschnitt, id));
    for (const auto& [label, id] :
         {std::pair{Label1, 6}, {Label2, 12}, {Label3, 15}, {Label4, 16}, {Label5, 19}})
        label->setText(Text(Abschnitt, id));
    cbVerSortBy->clear();
    for (const int id : {17, 6, 12, 15, 19})
        cbVerSortBy->addItem(Text(Abschnitt, id));
    cbVerSortBy->setCurrentIndex(0);
}

void TDlgDruckKonfigurieren::OKBtnClick() {
    Guarded([this] {
        TVerwaltungFilter& f = RepVerwaltung->Filter;
        f.ArmeelisteAlle = cbAlAlle->isChecked();
        const QCheckBox* stati[] = {cbAlFehlt, cbAlAbgegeben, cbAlRuecksprache, cbAlOk};
        for (int k = 0; k < 4; ++k)
            f.ArmeelisteStati[k] = stati[k]->isChecked();
        f.BezahltAlle = cbBezAlle->isChecked();
        f.BezahltJa = cbBezJa->isChecked();
        f.BezahltNein = cbBezNein->isChecked();
        f.GemeldetAlle = cbGeAlle->isChecked();
        f.GemeldetJa = cbGeJa->isChecked();
        f.GemeldetNein = cbGeNein->isChecked();
        RepVerwaltung->MitStartnummer = rbJa->isChecked();
        VerwaltungSortierung = cbVerSortBy->currentIndex();
        RepVerwaltung->BuildNewPrintData();
        Vorschau(RepVerwaltung->QRVerwaltung, Text(22, 7), {}, this);
    });
    accept();
}
