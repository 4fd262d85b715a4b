#include "dialogs/DPaaren.h"

#include "core/Data.h"
#include "core/Teamturnier.h"
#include "dialogs/DOptionen.h"
#include "dialogs/Textvergleich.h"
#include "platform/Guarded.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TDlgPaaren* DlgPaaren = nullptr;
std::vector<std::string> FesteListe;

namespace {

constexpr int Abschnitt = 14;
constexpr int SeiteA = Qt::UserRole;
constexpr int SeiteB = Qt::UserRole + 1;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

void SortiertEinfuegen(QComboBox* box, const QString& name) {
    int pos = 0;
    while (pos < box->count() && VergleicheOhneFall(box->itemText(pos), name) <= 0)
        ++pos;
    box->insertItem(pos, name);
}

void Entfernen(QComboBox* box, const QString& name) {
    const int pos = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (pos >= 0)
        box->removeItem(pos);
}

void EntferneErstenEintrag(const std::string& name) {
    const QString gesucht = Qs(name);
    const auto pos = std::find_if(FesteListe.begin(), FesteListe.end(),
                                  [&](const auto& e) { return GleichOhneFall(Qs(e), gesucht); });
    if (pos != FesteListe.end())
        FesteListe.erase(pos);
}

} // namespace

TDlgPaaren::TDlgPaaren(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgPaaren");
    bOption = NeuesElement<QPushButton>(this, "bOption");
    Label1 = NeuesElement<QLabel>(this, "Label1");
    Label1->setText("Feste Paarung:");
    cbSpieler1 = NeuesElement<QComboBox>(this, "cbSpieler1");
    Label2 = NeuesElement<QLabel>(this, "Label2");
    cbSpieler2 = NeuesElement<QComboBox>(this, "cbSpieler2");
    bHinzu = NeuesElement<QPushButton>(this, "bHinzu");
    lbFeste = NeuesElement<QListWidget>(this, "lbFeste");
    lbFeste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbFeste->setMinimumWidth(320);
    bEntfernen = NeuesElement<QPushButton>(this, "bEntfernen");
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    pbSuche = NeuesElement<QProgressBar>(this, "pbSuche");
    pbSuche->setRange(0, 0); // no end known: it only shows that the search is working
    pbSuche->setTextVisible(false);
    pbSuche->hide();

    connect(bOption, &QPushButton::clicked, this, [this] { Guarded([this] { bOptionClick(); }); });
    connect(bHinzu, &QPushButton::clicked, this, &TDlgPaaren::bHinzuClick);
    connect(bEntfernen, &QPushButton::clicked, this, &TDlgPaaren::bEntfernenClick);
    connect(OKBtn, &QPushButton::clicked, this, &TDlgPaaren::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDlgPaaren::reject);

    // The lists keep their width for names added after the first showing.
    for (QComboBox* box : {cbSpieler1, cbSpieler2}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(22);
    }
    auto* seiten = new QHBoxLayout;
    seiten->addWidget(cbSpieler1);
    seiten->addWidget(Label2);
    seiten->addWidget(cbSpieler2);
    auto* auswahl = new QVBoxLayout;
    auswahl->addWidget(Label1);
    auswahl->addLayout(seiten);
    auswahl->addStretch();
    auto* mitte = new QVBoxLayout;
    mitte->addStretch();
    mitte->addWidget(bHinzu);
    mitte->addWidget(bEntfernen);
    mitte->addStretch();
    auto* feste = new QHBoxLayout;
    feste->addLayout(auswahl);
    feste->addLayout(mitte);
    feste->addWidget(lbFeste, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(bOption);
    knoepfe->addWidget(pbSuche, 1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(feste, 1);
    layout->addLayout(knoepfe);
    resize(900, 300);
}

TDlgPaaren::~TDlgPaaren() {
    if (suche_.joinable())
        suche_.join();
}

void TDlgPaaren::FormCreate() {
    TexteRegistrieren();
    FesteListe.clear();
}

void TDlgPaaren::TexteRegistrieren() {
    RegistrierePaarenTexte();
}

void TDlgPaaren::TexteSetzen() {
    setWindowTitle(Text(9));
    bOption->setText(Text(10));
    Label1->setText(Text(11));
    Label2->setText(Text(12));
    bHinzu->setText(Text(13));
    bEntfernen->setText(Text(14));
    OKBtn->setText(Text(15));
    CancelBtn->setText(Text(16));
}

void TDlgPaaren::FormShow() {
    TexteSetzen();
    FesteListe.clear();
    lbFeste->clear();
    QStringList namen;
    if (Teamturnier)
        for (const auto& team : Teamliste)
            namen << Qs(team->Name);
    else
        for (const auto& spieler : Spielerliste)
            namen << Qs(spieler->GetName());
    namen = SortiertOhneFall(namen);
    for (QComboBox* box : {cbSpieler1, cbSpieler2}) {
        box->clear();
        box->addItems(namen);
        box->setCurrentIndex(-1);
    }
}

void TDlgPaaren::bHinzuClick() {
    if (cbSpieler1->currentIndex() < 0 || cbSpieler2->currentIndex() < 0)
        return;
    const QString a = cbSpieler1->currentText();
    const QString b = cbSpieler2->currentText();
    FesteListe.push_back(Cp(a));
    FesteListe.push_back(Cp(b));
    // The two sides travel with the line, so that removing it needs no parsing of names.
    auto* zeile = new QListWidgetItem(a + " : " + b, lbFeste);
    zeile->setData(SeiteA, a);
    zeile->setData(SeiteB, b);
    for (QComboBox* box : {cbSpieler1, cbSpieler2}) {
        Entfernen(box, a);
        Entfernen(box, b);
        box->setCurrentIndex(-1);
    }
}

void TDlgPaaren::bEntfernenClick() {
    const auto gewaehlt = lbFeste->selectedItems();
    for (QListWidgetItem* zeile : gewaehlt) {
        const QString a = zeile->data(SeiteA).toString();
        const QString b = zeile->data(SeiteB).toString();
        EntferneErstenEintrag(Cp(a));
        EntferneErstenEintrag(Cp(b));
        for (QComboBox* box : {cbSpieler1, cbSpieler2}) {
            SortiertEinfuegen(box, a);
            // A player paired with himself was taken out once.
            if (b != a)
                SortiertEinfuegen(box, b);
            box->setCurrentIndex(-1);
        }
    }
    qDeleteAll(gewaehlt);
}

void TDlgPaaren::bOptionClick() {
    if (DlgOptionen)
        DlgOptionen->exec();
}

void TDlgPaaren::OKBtnClick() {
    if (Sucht())
        return;
    Guarded([this] {
        lauf_ = PaarungVorbereiten(FesteListe);
        if (lauf_.Ergebnis == TPaarungslauf::Stand::Gepaart)
            accept();
        if (lauf_.Ergebnis != TPaarungslauf::Stand::Suche)
            return;
        Beschaeftigt(true);
        // The search works on the prepared state alone; its end is handed back to this thread.
        suche_ = std::thread([this, lauf = lauf_] {
            bool gefunden = false;
            std::exception_ptr fehler;
            try {
                gefunden = PaarungSuchen(lauf);
            } catch (...) {
                fehler = std::current_exception();
            }
            QMetaObject::invokeMethod(
                this, [this, gefunden, fehler] { SucheFertig(gefunden, fehler); },
                Qt::QueuedConnection);
        });
    });
}

void TDlgPaaren::SucheFertig(bool gefunden, std::exception_ptr fehler) {
    suche_.join();
    Beschaeftigt(false);
    Guarded([&] {
        if (fehler) {
            PaarungZuruecknehmen(lauf_);
            std::rethrow_exception(fehler);
        }
        PaarungAbschliessen(lauf_, gefunden, [this] { accept(); });
    });
    emit SucheBeendet();
}

void TDlgPaaren::Beschaeftigt(bool an) {
    for (QWidget* w : std::initializer_list<QWidget*>{bOption, cbSpieler1, cbSpieler2, bHinzu,
                                                      lbFeste, bEntfernen, OKBtn, CancelBtn})
        w->setEnabled(!an);
    pbSuche->setVisible(an);
    if (an)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void TDlgPaaren::reject() {
    if (!Sucht())
        TFormDialog::reject();
}
