#include "dialogs/DTischverwaltung.h"

#include "core/Paarungen.h"
#include "core/Teamturnier.h"
#include "core/Tische.h"
#include "core/Tischverwaltung.h"
#include "dialogs/Bildschirm.h"
#include "dialogs/Zahlbereich.h"
#include "platform/Convert.h"
#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

TdlgTischverwaltung* dlgTischverwaltung = nullptr;

namespace {

constexpr int Abschnitt = 18;
constexpr int Zeilenhoehe = 24;
constexpr int Spaltenbreite = 64; // the grid's default column width
constexpr int Rahmen = 8;         // what the dialog's border adds to the client area's width
constexpr int Grundbreite = 712;  // the form's width as created, border included

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

bool Beliebig(int) {
    return true;
}

// A number edit that writes its option the moment its text is a number the option takes; any
// other text leaves the option as it is and stays as typed.
void Zahlfeld(QLineEdit* edit, int& option, bool (*erlaubt)(int)) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [&option, erlaubt](const QString& text) {
        int wert = 0;
        if (TryStrToInt(Cp(text), wert) && erlaubt(wert))
            option = wert;
    });
}

void Zeigen(QLineEdit* edit, int wert) {
    const QSignalBlocker still(edit);
    edit->setText(QString::number(wert));
}

QHBoxLayout* Zeile(std::initializer_list<QWidget*> elemente) {
    auto* zeile = new QHBoxLayout;
    for (QWidget* w : elemente)
        zeile->addWidget(w);
    zeile->addStretch();
    return zeile;
}

} // namespace

TdlgTischverwaltung::TdlgTischverwaltung(QWidget* parent) : TFormDialog(parent) {
    setObjectName("dlgTischverwaltung");
    pcTische = NeuesElement<QTabWidget>(this, "pcTische");

    tbAllgemein = NeuesElement<QWidget>(pcTische, "tbAllgemein");
    Label4 = NeuesElement<QLabel>(tbAllgemein, "Label4");
    EAnzTische = NeuesElement<QLineEdit>(tbAllgemein, "EAnzTische");
    gbZuweisen = NeuesElement<QGroupBox>(tbAllgemein, "gbZuweisen");
    rbZufaellig = NeuesElement<QRadioButton>(gbZuweisen, "rbZufaellig");
    EXinReihe = NeuesElement<QLineEdit>(gbZuweisen, "EXinReihe");
    Label3 = NeuesElement<QLabel>(gbZuweisen, "Label3");
    rbReihenfolge = NeuesElement<QRadioButton>(gbZuweisen, "rbReihenfolge");
    cbTischgruppe = NeuesElement<QCheckBox>(tbAllgemein, "cbTischgruppe");
    lbGruppeText1 = NeuesElement<QLabel>(tbAllgemein, "lbGruppeText1");
    EWieOftProGruppe = NeuesElement<QLineEdit>(tbAllgemein, "EWieOftProGruppe");
    lbGruppeText2 = NeuesElement<QLabel>(tbAllgemein, "lbGruppeText2");
    for (QLineEdit* e : {EAnzTische, EXinReihe, EWieOftProGruppe})
        e->setFixedWidth(60);
    auto* zuweisen = new QVBoxLayout(gbZuweisen);
    zuweisen->addLayout(Zeile({rbZufaellig, EXinReihe, Label3}));
    zuweisen->addWidget(rbReihenfolge);
    auto* allgemein = new QVBoxLayout(tbAllgemein);
    allgemein->addLayout(Zeile({Label4, EAnzTische}));
    allgemein->addWidget(gbZuweisen);
    allgemein->addWidget(cbTischgruppe);
    allgemein->addLayout(Zeile({lbGruppeText1, EWieOftProGruppe, lbGruppeText2}));
    allgemein->addStretch();

    tbFeste = NeuesElement<QWidget>(pcTische, "tbFeste");
    Label1 = NeuesElement<QLabel>(tbFeste, "Label1");
    lbFrei = NeuesElement<QListWidget>(tbFeste, "lbFrei");
    lbFrei->setSelectionMode(QAbstractItemView::SingleSelection);
    Label2 = NeuesElement<QLabel>(tbFeste, "Label2");
    lbFest = NeuesElement<QListWidget>(tbFeste, "lbFest");
    lbFest->setSelectionMode(QAbstractItemView::ExtendedSelection);
    EFesteNr = NeuesElement<QLineEdit>(tbFeste, "EFesteNr");
    EFesteNr->setText("1");
    EFesteNr->setFixedWidth(60);
    btFreiZuFest = NeuesElement<QPushButton>(tbFeste, "btFreiZuFest");
    btFreiZuFest->setText("=>");
    btFestZuFrei = NeuesElement<QPushButton>(tbFeste, "btFestZuFrei");
    btFestZuFrei->setText("<=");
    auto* frei = new QVBoxLayout;
    frei->addWidget(Label1);
    frei->addWidget(lbFrei);
    auto* mitte = new QVBoxLayout;
    mitte->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{EFesteNr, btFreiZuFest, btFestZuFrei})
        mitte->addWidget(w, 0, Qt::AlignHCenter);
    mitte->addStretch();
    auto* fest = new QVBoxLayout;
    fest->addWidget(Label2);
    fest->addWidget(lbFest);
    auto* feste = new QHBoxLayout(tbFeste);
    feste->addLayout(frei, 1);
    feste->addLayout(mitte);
    feste->addLayout(fest, 1);

    tbTischgruppen = NeuesElement<QWidget>(pcTische, "tbTischgruppen");
    Label5 = NeuesElement<QLabel>(tbTischgruppen, "Label5");
    EAnzahlTischgruppen = NeuesElement<QLineEdit>(tbTischgruppen, "EAnzahlTischgruppen");
    EAnzahlTischgruppen->setFixedWidth(60);
    // Three rows, the first column (the row headings) fixed, one column per group.
    TischgruppenMatrix = NeuesElement<QTableWidget>(tbTischgruppen, "TischgruppenMatrix");
    TischgruppenMatrix->setRowCount(3);
    TischgruppenMatrix->horizontalHeader()->hide();
    TischgruppenMatrix->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TischgruppenMatrix->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TischgruppenMatrix->verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    TischgruppenMatrix->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    TischgruppenMatrix->setTabKeyNavigation(true);
    auto* gruppen = new QVBoxLayout(tbTischgruppen);
    gruppen->setContentsMargins(6, 6, 6, 6); // the form is the grid's width plus 50
    gruppen->addLayout(Zeile({Label5, EAnzahlTischgruppen}));
    gruppen->addWidget(TischgruppenMatrix, 0, Qt::AlignLeft);
    gruppen->addStretch();

    pcTische->addTab(tbAllgemein, QString());
    pcTische->addTab(tbFeste, QString());
    pcTische->addTab(tbTischgruppen, QString());
    btZuweisen = NeuesElement<QPushButton>(this, "btZuweisen");
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btZuweisen);
    knoepfe->addStretch();
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcTische, 1);
    layout->addLayout(knoepfe);

    const auto zufaellig = [this] { TischeZufaellig = rbZufaellig->isChecked(); };
    connect(rbZufaellig, &QRadioButton::toggled, this, zufaellig);
    connect(rbReihenfolge, &QRadioButton::toggled, this, zufaellig);
    connect(cbTischgruppe, &QCheckBox::toggled, this,
            [](bool an) { TischgruppenBeruecksichtigen = an; });
    Zahlfeld(EXinReihe, ErsteInReihenfolge, Beliebig);
    Zahlfeld(EAnzTische, AnzahlTische, TischanzahlErlaubt);
    ZahlbereichSetzen(EAnzTische, HoechsteTischAnzahl, [] { return AnzahlTische; });
    Zahlfeld(EWieOftProGruppe, WieOftProGruppe, Beliebig);
    connect(EAnzahlTischgruppen, &QLineEdit::textChanged, this,
            [this] { Guarded([this] { EAnzahlTischgruppenChange(); }); });
    connect(TischgruppenMatrix, &QTableWidget::itemChanged, this,
            &TdlgTischverwaltung::TischgruppenMatrixSetEditText);
    connect(btFreiZuFest, &QPushButton::clicked, this, &TdlgTischverwaltung::btFreiZuFestClick);
    connect(btFestZuFrei, &QPushButton::clicked, this, &TdlgTischverwaltung::btFestZuFreiClick);
    connect(btZuweisen, &QPushButton::clicked, this,
            [this] { Guarded([this] { btZuweisenClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &TdlgTischverwaltung::CancelBtnClick);
    resize(Grundbreite - Rahmen, 527);
}

void TdlgTischverwaltung::FormCreate() {
    TexteRegistrieren();
}

void TdlgTischverwaltung::TexteRegistrieren() {
    RegistriereTischverwaltungTexte();
}

void TdlgTischverwaltung::TexteSetzen() {
    setWindowTitle(Text(8));
    pcTische->setTabText(0, Text(9));
    Label4->setText(Text(10));
    gbZuweisen->setTitle(Text(11));
    rbZufaellig->setText(Text(12));
    Label3->setText(Text(13));
    rbReihenfolge->setText(Text(14));
    cbTischgruppe->setText(Text(15));
    lbGruppeText1->setText(Text(16));
    lbGruppeText2->setText(Text(17));
    pcTische->setTabText(1, Text(18));
    Label1->setText(Text(19));
    Label2->setText(Text(20));
    pcTische->setTabText(2, Text(21));
    Label5->setText(Text(22));
    btZuweisen->setText(Text(23));
    CancelBtn->setText(Text(24));
}

void TdlgTischverwaltung::FormShow() {
    TexteSetzen();
    TischverwaltungVorbereiten();
    // The controls show the options; their handlers would only store the same values again.
    {
        const QSignalBlocker a(rbZufaellig), b(rbReihenfolge), c(cbTischgruppe);
        rbZufaellig->setChecked(TischeZufaellig);
        rbReihenfolge->setChecked(!TischeZufaellig);
        cbTischgruppe->setChecked(TischgruppenBeruecksichtigen);
    }
    Zeigen(EXinReihe, ErsteInReihenfolge);
    Zeigen(EWieOftProGruppe, WieOftProGruppe);
    Zeigen(EAnzTische, AnzahlTische);
    Zeigen(EAnzahlTischgruppen, AnzahlTischgruppen);
    FesteTischeAnzeigen();
    MatrixAnpassen();
    AufBildschirmZentrieren(this);
}

void TdlgTischverwaltung::EAnzahlTischgruppenChange() {
    int n = 0;
    if (!TryStrToInt(Cp(EAnzahlTischgruppen->text()), n) || !TischgruppenanzahlErlaubt(n))
        return;
    // Groups edited by hand keep what the grid shows of them.
    if (TischgruppenManuell)
        TischgruppenAusMatrix();
    AnzahlTischgruppen = n;
    MatrixAnpassen();
}

void TdlgTischverwaltung::TischgruppenMatrixSetEditText() {
    if (!fuellen_)
        TischgruppenManuell = true;
}

void TdlgTischverwaltung::MatrixAnpassen() {
    // The fixed column is as wide as the others, or as its headings need.
    int spalte = Spaltenbreite;
    const QFontMetrics schrift = TischgruppenMatrix->verticalHeader()->fontMetrics();
    for (int id : {2, 3, 4})
        spalte = std::max(spalte, schrift.horizontalAdvance(Text(id)) + 12);
    const int n = AnzahlTischgruppen;
    TischgruppenMatrix->setColumnCount(std::max(n, 0));
    TischgruppenMatrix->verticalHeader()->setFixedWidth(spalte);
    TischgruppenMatrix->horizontalHeader()->setDefaultSectionSize(spalte);
    for (int k = 0; k < n; ++k)
        TischgruppenMatrix->setColumnWidth(k, spalte);
    const long long grid = (static_cast<long long>(std::max(n, 0)) + 1) * spalte + 15;
    // The form grows with the grid, but never past the screen: the grid scrolls then.
    const int hoechstens = FreieBildschirmflaeche(this).width();
    const int form = static_cast<int>(std::min<long long>(grid + 50, hoechstens));
    TischgruppenMatrix->setFixedWidth(form - 50);
    const bool rollt = grid + 50 > hoechstens;
    TischgruppenMatrix->setFixedHeight(
        3 * Zeilenhoehe + 2 * TischgruppenMatrix->frameWidth() +
        (rollt ? TischgruppenMatrix->horizontalScrollBar()->sizeHint().height() : 0));
    LayoutsNachziehen(this); // else the form could not be narrowed now
    if (form > width() + Rahmen)
        resize(form - Rahmen, height());
    else if (form < Grundbreite)
        resize(Grundbreite - Rahmen, height());
    TischgruppenAnpassen();
    TischgruppenInMatrix();
}

void TdlgTischverwaltung::TischgruppenInMatrix() {
    fuellen_ = true;
    TischgruppenMatrix->setVerticalHeaderLabels({Text(2), Text(3), Text(4)});
    TischgruppenMatrix->clearContents();
    const int spalten =
        std::min(static_cast<int>(Tischgruppen.size()), TischgruppenMatrix->columnCount());
    for (int k = 0; k < spalten; ++k) {
        const TTischgruppe& g = *Tischgruppen[static_cast<size_t>(k)];
        TischgruppenMatrix->setItem(0, k, new QTableWidgetItem(Qs(g.Name.str())));
        TischgruppenMatrix->setItem(1, k, new QTableWidgetItem(QString::number(g.ErsterTisch)));
        TischgruppenMatrix->setItem(2, k, new QTableWidgetItem(QString::number(g.LetzterTisch)));
    }
    fuellen_ = false;
}

void TdlgTischverwaltung::TischgruppenAusMatrix() {
    const auto zelle = [this](int zeile, int k) {
        const QTableWidgetItem* item = TischgruppenMatrix->item(zeile, k);
        return item ? Cp(item->text()) : std::string();
    };
    std::vector<TTischgruppenSpalte> spalten;
    for (int k = 0; k < AnzahlTischgruppen; ++k)
        spalten.push_back({zelle(0, k), zelle(1, k), zelle(2, k)});
    TischgruppenAusSpalten(spalten);
}

TPaarung* TdlgTischverwaltung::PaarungVon(const QListWidgetItem* zeile) const {
    auto* paarung = reinterpret_cast<TPaarung*>(zeile->data(Qt::UserRole).value<quintptr>());
    const auto& liste = PaarungslisteFuerTische();
    const bool vorhanden = std::any_of(liste.begin(), liste.end(),
                                       [paarung](const auto& p) { return p.get() == paarung; });
    return vorhanden ? paarung : nullptr;
}

void TdlgTischverwaltung::FesteTischeAnzeigen() {
    lbFest->clear();
    lbFrei->clear();
    for (const auto& p : PaarungslisteFuerTische()) {
        auto* zeile = p->TischFest ? new QListWidgetItem(Qs(FesteTischZeile(*p)), lbFest)
                                   : new QListWidgetItem(Qs(p->Name1 + " : " + p->Name2), lbFrei);
        zeile->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(p.get())));
    }
}

void TdlgTischverwaltung::btFreiZuFestClick() {
    int tisch = 0;
    if (!TryStrToInt(Cp(EFesteNr->text()), tisch))
        return;
    // Taken as typed: neither the number of tables nor other fixed tables are checked.
    for (const QListWidgetItem* zeile : lbFrei->selectedItems())
        if (TPaarung* p = PaarungVon(zeile)) {
            p->TischFest = true;
            p->SetTisch(tisch);
        }
    FesteTischeAnzeigen();
}

void TdlgTischverwaltung::btFestZuFreiClick() {
    for (const QListWidgetItem* zeile : lbFest->selectedItems())
        if (TPaarung* p = PaarungVon(zeile))
            p->TischFest = false;
    FesteTischeAnzeigen();
}

void TdlgTischverwaltung::btZuweisenClick() {
    TischgruppenAusMatrix();
    // The warning comes once the tables stand everywhere, so nothing runs in between.
    const std::string warnung = TischeNeuZuweisen();
    if (!warnung.empty())
        Messages().ShowMessage(GetTranslation(7, 8), warnung);
}

void TdlgTischverwaltung::CancelBtnClick() {
    TischgruppenAusMatrix();
    reject();
}

void TdlgTischverwaltung::keyPressEvent(QKeyEvent* event) {
    // Esc is "Fertig"; only the close box leaves the grid untaken.
    if (event->matches(QKeySequence::Cancel)) {
        CancelBtnClick();
        return;
    }
    TFormDialog::keyPressEvent(event);
}
