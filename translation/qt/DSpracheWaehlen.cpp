#include "translation/qt/DSpracheWaehlen.h"

#include "core/Data.h"
#include "platform/Cp1252.h"
#include "platform/Guarded.h"
#include "platform/LineFile.h"
#include "platform/Messages.h"
#include "platform/qt/QtText.h"
#include "translation/Sprachwahl.h"
#include "translation/Translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <filesystem>

TDlgSpracheWaehlen* DlgSpracheWaehlen = nullptr;

namespace {

constexpr int Abschnitt = 4;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

std::filesystem::path Ordner() {
    return std::filesystem::path(ProgrammVerzeichnis);
}

} // namespace

TDlgSpracheWaehlen::TDlgSpracheWaehlen(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgSpracheWaehlen");
    rbOriginal = NeuesElement<QRadioButton>(this, "rbOriginal");
    rbOriginal->setChecked(true);
    rbTranslate = NeuesElement<QRadioButton>(this, "rbTranslate");
    cbSprache = NeuesElement<QComboBox>(this, "cbSprache");
    cbSprache->setMinimumWidth(145);
    btOK = NeuesElement<QPushButton>(this, "btOK");
    btOK->setDefault(true);
    Button1 = NeuesElement<QPushButton>(this, "Button1");
    Button1->setAutoDefault(false);
    cbNummern = NeuesElement<QCheckBox>(this, "cbNummern");

    // A fixed dialog that still grows with longer captions of a language.
    auto* raster = new QGridLayout(this);
    raster->addWidget(rbOriginal, 0, 0, 1, 2);
    raster->addWidget(btOK, 0, 3);
    raster->addWidget(rbTranslate, 1, 0);
    raster->addWidget(cbSprache, 1, 1);
    raster->setRowMinimumHeight(2, 12);
    raster->addWidget(Button1, 3, 0);
    raster->addWidget(cbNummern, 3, 1, 1, 3);
    raster->setColumnStretch(2, 1);
    raster->setColumnMinimumWidth(2, 16);
    raster->setSizeConstraint(QLayout::SetFixedSize);

    connect(btOK, &QPushButton::clicked, this, &TDlgSpracheWaehlen::btOKClick);
    connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
}

void TDlgSpracheWaehlen::FormCreate() {
    TexteRegistrieren();
}

void TDlgSpracheWaehlen::TexteRegistrieren() {
    RegisterTexts(Abschnitt, {"Sprache wählen", "Originalsprache", "Übersetzen in", "OK",
                              "Sprachfile Schreiben", "Nummern anzeigen"});
}

void TDlgSpracheWaehlen::TexteUebersetzen() {
    setWindowTitle(Text(1));
    rbOriginal->setText(Text(2));
    rbTranslate->setText(Text(3));
    btOK->setText(Text(4));
    Button1->setText(Text(5));
    cbNummern->setText(Text(6));
}

void TDlgSpracheWaehlen::FormShow() {
    TexteUebersetzen();
    cbSprache->clear();
    cbNummern->setChecked(ShowNumbers);
    rbTranslate->setEnabled(true);
    std::error_code ec;
    const bool uebersetzer = std::filesystem::exists(Ordner() / "Translator.txt", ec);
    Button1->setVisible(uebersetzer);
    cbNummern->setVisible(uebersetzer);
    for (const std::string& name : Sprachen(Ordner()))
        cbSprache->addItem(Qs(name));
    if (cbSprache->count() > 0)
        cbSprache->setCurrentIndex(0);
    else
        rbTranslate->setEnabled(false);
    // A one-character name is no remembered language.
    const int gewaehlt = LanguageName.size() >= 2 ? cbSprache->findText(Qs(LanguageName)) : -1;
    if (gewaehlt >= 0) {
        cbSprache->setCurrentIndex(gewaehlt);
        rbTranslate->setChecked(true);
    }
    adjustSize();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void TDlgSpracheWaehlen::Button1Click() {
    if (const auto datei = FremdeSprachdatei(Ordner(), Originalsprache(), Sprache())) {
        const std::string frage =
            "Die Sprachdatei \"" + PathText(datei->filename()) +
            "\" gehört nicht zur geladenen Sprache. Wird sie geschrieben, ersetzen die geladenen "
            "Texte alle ihre Übersetzungen. Trotzdem schreiben?";
        if (!Messages().Ask(GetTranslation(7, 8), Utf8ToCp1252(frage)))
            return;
    }
    SprachfileSchreiben(Ordner(), Originalsprache(), Sprache());
}

void TDlgSpracheWaehlen::btOKClick() {
    ShowNumbers = cbNummern->isChecked();
    accept();
}

bool TDlgSpracheWaehlen::Originalsprache() const {
    return rbOriginal->isChecked();
}

std::string TDlgSpracheWaehlen::Sprache() const {
    return Cp(cbSprache->currentText());
}
