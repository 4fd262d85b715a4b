#include "dialogs/DErgebnisse.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "dialogs/Textvergleich.h"
#include "platform/Convert.h"
#include "platform/Guarded.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TDlgErgebnisse* DlgErgebnisse = nullptr;

namespace {

constexpr int Abschnitt = 9;

// The toggle's two captions are fixed wording, not texts of the text table.
const char* const AusblendenText = "Bereits eingegebene Spieler ausblenden";
const char* const EinblendenText = "Bereits eingegebene Spieler einblenden";
const char* const StartText = "Bereits eingegebene Spiele ausblenden";

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

QString Seite(const std::string& name, int nummer) {
    return Qs(name) + "(" + QString::number(nummer) + ")";
}

// The line's object; only pairings still in Paarungsliste are handed out.
TPaarung* PaarungVon(const QListWidgetItem* zeile) {
    auto* paarung = reinterpret_cast<TPaarung*>(zeile->data(Qt::UserRole).value<quintptr>());
    const bool vorhanden =
        std::any_of(Paarungsliste.begin(), Paarungsliste.end(),
                    [paarung](const std::unique_ptr<TPaarung>& p) { return p.get() == paarung; });
    return vorhanden ? paarung : nullptr;
}

} // namespace

QString ErgebnisZeile(const TPaarung& p) {
    return Qs(p.Name1) + " - " + Qs(p.Name2) + " : " + QString::number(p.Ergebnis1.Punkte) + ":" +
           QString::number(p.Ergebnis2.Punkte) + " (" + QString::number(p.Ergebnis1.Siegpunkte) +
           ":" + QString::number(p.Ergebnis2.Siegpunkte) + ")";
}

TDlgErgebnisse::TDlgErgebnisse(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgErgebnisse");
    resize(586, 360);
    lbErgebnisse = NeuesElement<QListWidget>(this, "lbErgebnisse");
    lbErgebnisse->setFocusPolicy(Qt::ClickFocus);
    Label9 = NeuesElement<QLabel>(this, "Label9");
    ESpielerNr = NeuesElement<QLineEdit>(this, "ESpielerNr");
    lbSpieler1 = NeuesElement<QLabel>(this, "lbSpieler1");
    lbSpieler2 = NeuesElement<QLabel>(this, "lbSpieler2");
    Label1 = NeuesElement<QLabel>(this, "Label1");
    Label2 = NeuesElement<QLabel>(this, "Label2");
    Label3 = NeuesElement<QLabel>(this, "Label3");
    Label4 = NeuesElement<QLabel>(this, "Label4");
    Label5 = NeuesElement<QLabel>(this, "Label5");
    Label6 = NeuesElement<QLabel>(this, "Label6");
    Label7 = NeuesElement<QLabel>(this, "Label7");
    Label8 = NeuesElement<QLabel>(this, "Label8");
    ESPkt1 = NeuesElement<QLineEdit>(this, "ESPkt1");
    ESpkt2 = NeuesElement<QLineEdit>(this, "ESpkt2");
    EPkt1 = NeuesElement<QLineEdit>(this, "EPkt1");
    EPkt2 = NeuesElement<QLineEdit>(this, "EPkt2");
    EFair1 = NeuesElement<QLineEdit>(this, "EFair1");
    EFair2 = NeuesElement<QLineEdit>(this, "EFair2");
    ESzenario1 = NeuesElement<QLineEdit>(this, "ESzenario1");
    ESzenario2 = NeuesElement<QLineEdit>(this, "ESzenario2");
    btnAusblenden = NeuesElement<QPushButton>(this, "btnAusblenden");
    btnAusblenden->setText(StartText);
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    for (QPushButton* knopf : {btnAusblenden, OKBtn, CancelBtn})
        knopf->setFocusPolicy(Qt::ClickFocus);

    QWidget* reihenfolge[] = {ESpielerNr, ESPkt1, ESpkt2,     EPkt1,     EPkt2,
                              EFair1,     EFair2, ESzenario1, ESzenario2};
    for (int i = 0; i + 1 < 9; ++i)
        setTabOrder(reihenfolge[i], reihenfolge[i + 1]);

    const struct {
        QLineEdit* edit;
        int TRundenErgebnis::*feld;
        bool seite1;
    } werte[] = {{ESPkt1, &TRundenErgebnis::Siegpunkte, true},
                 {ESpkt2, &TRundenErgebnis::Siegpunkte, false},
                 {EPkt1, &TRundenErgebnis::Punkte, true},
                 {EPkt2, &TRundenErgebnis::Punkte, false},
                 {EFair1, &TRundenErgebnis::Fairplay, true},
                 {EFair2, &TRundenErgebnis::Fairplay, false},
                 {ESzenario1, &TRundenErgebnis::Szenariopunkte, true},
                 {ESzenario2, &TRundenErgebnis::Szenariopunkte, false}};
    for (const auto& w : werte) {
        w.edit->setText("0");
        connect(w.edit, &QLineEdit::textChanged, this,
                [this, w] { WertGeaendert(w.edit, w.feld, w.seite1); });
    }
    // Every change of the selection, by mouse or by keys, shows the pairing the edits then
    // change.
    connect(lbErgebnisse, &QListWidget::currentItemChanged, this, [this] { ErgebnisAnzeigen(); });
    connect(ESpielerNr, &QLineEdit::textChanged, this, &TDlgErgebnisse::ESpielerNrChange);
    connect(btnAusblenden, &QPushButton::clicked, this, &TDlgErgebnisse::btnAusblendenClick);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        Bestaetigt = true;
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // Side 1 above side 2: points and victory points on one row, fair play and scenario below.
    auto* seiten = new QGridLayout;
    int zeile = 0;
    const struct {
        QLabel* kopf;
        QLabel *punkte, *sieg, *fair, *szenario;
        QLineEdit *ePunkte, *eSieg, *eFair, *eSzenario;
    } bloecke[] = {{lbSpieler1, Label2, Label3, Label1, Label7, EPkt1, ESPkt1, EFair1, ESzenario1},
                   {lbSpieler2, Label5, Label6, Label4, Label8, EPkt2, ESpkt2, EFair2, ESzenario2}};
    for (const auto& b : bloecke) {
        seiten->addWidget(b.kopf, zeile++, 0, 1, 4);
        seiten->addWidget(b.punkte, zeile, 0);
        seiten->addWidget(b.ePunkte, zeile, 1);
        seiten->addWidget(b.sieg, zeile, 2);
        seiten->addWidget(b.eSieg, zeile++, 3);
        seiten->addWidget(b.fair, zeile, 0);
        seiten->addWidget(b.eFair, zeile, 1);
        seiten->addWidget(b.szenario, zeile, 2);
        seiten->addWidget(b.eSzenario, zeile++, 3);
    }
    auto* suche = new QHBoxLayout;
    suche->addWidget(Label9);
    suche->addWidget(ESpielerNr);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* rechts = new QVBoxLayout;
    rechts->addLayout(suche);
    rechts->addLayout(seiten);
    rechts->addWidget(btnAusblenden);
    rechts->addStretch();
    rechts->addLayout(knoepfe);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lbErgebnisse, 1);
    layout->addLayout(rechts, 1);
}

void TDlgErgebnisse::FormCreate() {
    TexteRegistrieren();
    NurOffene = false;
}

void TDlgErgebnisse::TexteRegistrieren() {
    static const char* const texte[] = {
        "OK",       "Abbrechen",       "Punkte",   "Siegpunkte",        "Fairplay",
        "Szenario", "Ergebnisse des ", ". Spiels", "Suchen nach Nummer"};
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

void TDlgErgebnisse::TexteSetzen() {
    OKBtn->setText(Text(1));
    CancelBtn->setText(Text(2));
    Label2->setText(Text(3));
    Label5->setText(Text(3));
    Label3->setText(Text(4));
    Label6->setText(Text(4));
    Label1->setText(Text(5));
    Label4->setText(Text(5));
    Label7->setText(Text(6));
    Label8->setText(Text(6));
    Label9->setText(Text(9));
}

void TDlgErgebnisse::FormShow() {
    Bestaetigt = false;
    Aktualisierung = false;
    TexteSetzen();
    setWindowTitle(Text(7) + QString::number(AktuellerSpieltag) + Text(8));
    // Nothing has come from a client since this showing began.
    for (const auto& paarung : Paarungsliste)
        paarung->VomClient = false;
    // The list honours the toggle as it was left, so that list and caption agree.
    ListeFuellen();
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(EFair1),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(EFair2)})
        w->setVisible(FairplayProSpiel);
    for (QWidget* w : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(ESzenario1),
                       static_cast<QWidget*>(Label8), static_cast<QWidget*>(ESzenario2)})
        w->setVisible(SzenarioEingabe);
    // With the matrix the points follow from the victory points; they stay editable.
    for (QLineEdit* e : {EPkt1, EPkt2})
        e->setFocusPolicy(SiegpunktmatrixBenutzen ? Qt::ClickFocus : Qt::StrongFocus);
}

void TDlgErgebnisse::ListeFuellen() {
    lbErgebnisse->clear();
    for (const auto& paarung : Paarungsliste) {
        if (NurOffene && paarung->Eingegeben)
            continue;
        paarung->VomClient = false;
        ZeileEinfuegen(paarung.get());
    }
    ESpielerNr->clear();
    if (lbErgebnisse->count() > 0)
        lbErgebnisse->setCurrentRow(0);
    ErgebnisAnzeigen();
}

void TDlgErgebnisse::ZeileEinfuegen(TPaarung* paarung) {
    const QString text = ErgebnisZeile(*paarung);
    int pos = lbErgebnisse->count();
    while (pos > 0 && VergleicheOhneFall(lbErgebnisse->item(pos - 1)->text(), text) > 0)
        --pos;
    auto* zeile = new QListWidgetItem(text);
    zeile->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(paarung)));
    lbErgebnisse->insertItem(pos, zeile);
}

TPaarung* TDlgErgebnisse::Gewaehlt() const {
    const QListWidgetItem* zeile = lbErgebnisse->currentItem();
    return zeile ? PaarungVon(zeile) : nullptr;
}

void TDlgErgebnisse::ErgebnisAnzeigen() {
    const TPaarung* p = Gewaehlt();
    if (!p)
        return;
    Aktualisierung = true;
    lbSpieler1->setText(Seite(p->Name1, p->Nummer1));
    lbSpieler2->setText(Seite(p->Name2, p->Nummer2));
    EPkt1->setText(QString::number(p->Ergebnis1.Punkte));
    EPkt2->setText(QString::number(p->Ergebnis2.Punkte));
    ESPkt1->setText(QString::number(p->Ergebnis1.Siegpunkte));
    ESpkt2->setText(QString::number(p->Ergebnis2.Siegpunkte));
    EFair1->setText(QString::number(p->Ergebnis1.Fairplay));
    EFair2->setText(QString::number(p->Ergebnis2.Fairplay));
    ESzenario1->setText(QString::number(p->Ergebnis1.Szenariopunkte));
    ESzenario2->setText(QString::number(p->Ergebnis2.Szenariopunkte));
    Aktualisierung = false;
}

void TDlgErgebnisse::EintragAktualisieren() {
    QListWidgetItem* zeile = lbErgebnisse->currentItem();
    if (const TPaarung* p = Gewaehlt())
        zeile->setText(ErgebnisZeile(*p));
}

void TDlgErgebnisse::WertGeaendert(QLineEdit* edit, int TRundenErgebnis::*feld, bool seite1) {
    TPaarung* p = Gewaehlt();
    if (!p || Aktualisierung)
        return;
    int wert = 0;
    if (TryStrToInt(Cp(edit->text()), wert)) {
        (seite1 ? p->Ergebnis1 : p->Ergebnis2).*feld = wert;
        p->Geaendert = true;
        EintragAktualisieren();
    }
    if (feld == &TRundenErgebnis::Siegpunkte && SiegpunktmatrixBenutzen)
        PunkteAusMatrix();
}

void TDlgErgebnisse::PunkteAusMatrix() {
    TPaarung* p = Gewaehlt();
    PunkteAusSiegpunkten(p->Ergebnis1.Siegpunkte, p->Ergebnis2.Siegpunkte, p->Ergebnis1.Punkte,
                         p->Ergebnis2.Punkte);
    // Writing the edits runs their change handlers, which mark the pairing changed when the
    // points differ from what the edits showed.
    EPkt1->setText(QString::number(p->Ergebnis1.Punkte));
    EPkt2->setText(QString::number(p->Ergebnis2.Punkte));
    EintragAktualisieren();
}

void TDlgErgebnisse::ESpielerNrChange() {
    int nummer = 0;
    if (!TryStrToInt(Cp(ESpielerNr->text()), nummer))
        return;
    for (int i = 0; i < lbErgebnisse->count(); ++i) {
        const TPaarung* p = PaarungVon(lbErgebnisse->item(i));
        if (p && (p->Nummer1 == nummer || p->Nummer2 == nummer)) {
            lbErgebnisse->setCurrentRow(i);
            ErgebnisAnzeigen();
            return;
        }
    }
}

void TDlgErgebnisse::btnAusblendenClick() {
    NurOffene = !NurOffene;
    btnAusblenden->setText(NurOffene ? EinblendenText : AusblendenText);
    ListeFuellen();
}

void TDlgErgebnisse::done(int result) {
    Guarded([this] { FormClose(); });
    QDialog::done(result);
}

void TDlgErgebnisse::FormClose() {
    // Every pairing, also one the toggle hides, so that no edit is left behind unsaved.
    for (const auto& p : Paarungsliste) {
        // A result a client delivered while the dialog was open stays as the client stored it.
        if (!p->Geaendert || p->VomClient)
            continue;
        if (Bestaetigt) {
            p->Eingegeben = true;
            p->SchreibeErgebnis();
        } else {
            p->LeseErgebnis();
        }
        p->Geaendert = false;
    }
}
