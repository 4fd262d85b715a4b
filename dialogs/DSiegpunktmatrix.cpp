#include "dialogs/DSiegpunktmatrix.h"

#include "core/Siegpunktmatrix.h"
#include "dialogs/Bildschirm.h"
#include "dialogs/Zahlbereich.h"
#include "platform/Convert.h"
#include "platform/Guarded.h"
#include "platform/qt/QtText.h"
#include "server/ClientListe.h"
#include "translation/Translate.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

TDlgSiegpunktmatrix* DlgSiegpunktmatrix = nullptr;

namespace {

constexpr int Abschnitt = 16;
constexpr int Zeilenhoehe = 24;   // one grid line, the header line too
constexpr int Spaltenbreite = 64; // one grid column
constexpr int Breite = 3 * Spaltenbreite + 15 + 16;
constexpr int PanelOben = 70;
constexpr int Rand = 8;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

int PanelHoehe(int zeilen) {
    return (std::max(zeilen, 0) + 1) * Zeilenhoehe + 15;
}

QString Zelle(const QTableWidget* grid, int zeile, int spalte) {
    const QTableWidgetItem* item = grid->item(zeile, spalte);
    return item ? item->text() : QString();
}

} // namespace

TDlgSiegpunktmatrix::TDlgSiegpunktmatrix(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgSiegpunktmatrix");
    cbMatrixNutzen = NeuesElement<QCheckBox>(this, "cbMatrixNutzen");
    cbMatrixNutzen->setGeometry(Rand, Rand, Breite - 2 * Rand, 22);
    Label1 = NeuesElement<QLabel>(this, "Label1");
    Label1->setGeometry(Rand, 40, 70, 22);
    EAnzahl = NeuesElement<QLineEdit>(this, "EAnzahl");
    EAnzahl->setGeometry(80, 38, 60, 24);
    EAnzahl->setText("9");
    PMatrix = NeuesElement<QFrame>(this, "PMatrix");
    PMatrix->setGeometry(Rand, PanelOben, Breite - 2 * Rand, PanelHoehe(9));
    Matrix = NeuesElement<QTableWidget>(PMatrix, "Matrix");
    Matrix->setColumnCount(3);
    Matrix->setRowCount(9);
    Matrix->verticalHeader()->hide();
    Matrix->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Matrix->verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    Matrix->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    Matrix->horizontalHeader()->setFixedHeight(Zeilenhoehe);
    Matrix->horizontalHeader()->setDefaultSectionSize(Spaltenbreite);
    Matrix->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Matrix->setTabKeyNavigation(true);
    // Scroll bars only where the screen is too small for every line.
    Matrix->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Matrix->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* fuellen = new QVBoxLayout(PMatrix);
    fuellen->setContentsMargins(0, 0, 0, 0);
    fuellen->addWidget(Matrix);
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = NeuesElement<QPushButton>(this, "CancelBtn");

    // From 0: a negative count would only mean no rows, as 0 does.
    ZahlbereichSetzen(EAnzahl, HoechsteMatrixZeilen, [this] { return Zeilen; });
    connect(EAnzahl, &QLineEdit::textChanged, this, &TDlgSiegpunktmatrix::EAnzahlChange);
    connect(OKBtn, &QPushButton::clicked, this, &TDlgSiegpunktmatrix::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    resize(Breite, PanelOben + PanelHoehe(9) + 50);
}

void TDlgSiegpunktmatrix::FormCreate() {
    TexteRegistrieren();
}

void TDlgSiegpunktmatrix::TexteRegistrieren() {
    static const char* const texte[] = {"Differenz",       "Sieger", "Verlierer", "Siegpunktmatrix",
                                        "Matrix benuzten", "Anzahl", "OK",        "Abbrechen"};
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

void TDlgSiegpunktmatrix::TexteSetzen() {
    setWindowTitle(Text(4));
    cbMatrixNutzen->setText(Text(5));
    Label1->setText(Text(6));
    OKBtn->setText(Text(7));
    CancelBtn->setText(Text(8));
}

void TDlgSiegpunktmatrix::FormShow() {
    TexteSetzen();
    Zeilen = static_cast<int>(Siegpunktmatrix.size());
    {
        const QSignalBlocker still(EAnzahl);
        EAnzahl->setText(QString::number(Zeilen));
    }
    cbMatrixNutzen->setChecked(SiegpunktmatrixBenutzen);
    Matrix->setRowCount(0);
    GridAnpassen(true);
    Matrix->setHorizontalHeaderLabels({Text(1), Text(2), Text(3)});
    for (int k = 0; k < Zeilen; ++k) {
        const TSiegIntervall& zeile = *Siegpunktmatrix[static_cast<size_t>(k)];
        const int werte[] = {zeile.Von, zeile.Sieger, zeile.Verlierer};
        for (int spalte = 0; spalte < 3; ++spalte)
            Matrix->setItem(k, spalte, new QTableWidgetItem(QString::number(werte[spalte])));
    }
    AufBildschirmZentrieren(this);
}

void TDlgSiegpunktmatrix::GridAnpassen(bool formHoeheSetzen) {
    // Lines beyond the count are hidden, not dropped: typing "11" passes through "1", and the
    // lines typed in so far must come back.
    const int zeilen = std::max(Zeilen, 0);
    if (Matrix->rowCount() < zeilen)
        Matrix->setRowCount(zeilen);
    for (int k = 0; k < Matrix->rowCount(); ++k)
        Matrix->setRowHidden(k, k >= zeilen);
    // The form never grows past the screen; the grid scrolls then.
    const int hoechstens = FreieBildschirmflaeche(this).height() - 60;
    const int hoehe = std::min(PanelOben + PanelHoehe(Zeilen) + 50, std::max(hoechstens, 200));
    PMatrix->resize(PMatrix->width(), std::min(PanelHoehe(Zeilen), hoehe - PanelOben - 50));
    if (formHoeheSetzen)
        resize(width(), hoehe);
    const int knoepfe = height() - 38;
    OKBtn->setGeometry(Rand, knoepfe, 90, 28);
    CancelBtn->setGeometry(width() - Rand - 90, knoepfe, 90, 28);
}

void TDlgSiegpunktmatrix::EAnzahlChange() {
    int n = 0;
    // A count the grid cannot hold is ignored like a text that is no number.
    if (!TryStrToInt(Cp(EAnzahl->text()), n) || n > HoechsteMatrixZeilen)
        return;
    const int vorher = Zeilen;
    Zeilen = n;
    GridAnpassen(n > vorher);
}

void TDlgSiegpunktmatrix::OKBtnClick() {
    const bool gespeichert = Guarded([this] {
        std::vector<TMatrixZeile> zeilen;
        for (int k = 0; k < Zeilen; ++k)
            zeilen.push_back(
                {Cp(Zelle(Matrix, k, 0)), Cp(Zelle(Matrix, k, 1)), Cp(Zelle(Matrix, k, 2))});
        // One step on the main thread: the result server reads the old matrix or the new one.
        try {
            SetzeSiegpunktmatrix(zeilen);
        } catch (const EMatrixZelle& fehler) {
            // The dialog stays open at the cell, so that nothing typed is lost.
            Matrix->setCurrentCell(fehler.Zeile, fehler.Spalte);
            Matrix->setFocus();
            throw EConvertError(QString("Zeile %1, Spalte \"%2\": %3")
                                    .arg(fehler.Zeile + 1)
                                    .arg(Matrix->horizontalHeaderItem(fehler.Spalte)->text(),
                                         QString::fromUtf8(fehler.what()))
                                    .toStdString());
        }
        SiegpunktmatrixBenutzen = cbMatrixNutzen->isChecked();
        ClientsNeedMatrix();
    });
    if (gespeichert)
        accept();
}
