// The player dialog: controls, texts and showing.
#include "dialogs/DNeuerSpieler.h"

#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "dialogs/SortierteZeile.h"
#include "platform/Guarded.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TDlgNeuerSpiel* DlgNeuerSpiel = nullptr;

namespace {

QString T(int id) {
    return Qs(GetTranslation(12, id));
}

template <class W> W* Benannt(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

TDlgNeuerSpiel::TDlgNeuerSpiel(QWidget* parent) : QDialog(parent) {
    setObjectName("DlgNeuerSpiel");
    ErzeugeSteuerelemente();
    ErzeugeMenue();
    VerbindeEreignisse();
    DlgOd.defaultExtension = "txt";
    DlgOd.filter = "Armeebelegung (*.txt)|*.txt|Alle |*.*";
    DlgSd.defaultExtension = "txt";
    DlgSd.filter = "Armeebelegung|*.txt|Alle|*.*";
}

void TDlgNeuerSpiel::ErzeugeSteuerelemente() {
    auto* haupt = new QVBoxLayout(this);

    auto* leiste = new QHBoxLayout;
    ButtonNeu = Benannt(new QToolButton(this), "ButtonNeu");
    ButtonNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    ButtonSave = Benannt(new QToolButton(this), "ButtonSave");
    ButtonSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    lbStartnummer = Benannt(new QLabel(this), "lbStartnummer");
    EStartnummer = Benannt(new QLineEdit(this), "EStartnummer");
    EStartnummer->setMaximumWidth(60);
    ToolButton2 = Benannt(new QToolButton(this), "ToolButton2");
    ToolButton2->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    for (QWidget* w : std::initializer_list<QWidget*>{ButtonNeu, ButtonSave, lbStartnummer,
                                                      EStartnummer, ToolButton2})
        leiste->addWidget(w);
    leiste->addStretch();
    haupt->addLayout(leiste);

    auto* mitte = new QHBoxLayout;
    lvSpieler = Benannt(new QListWidget(this), "lvSpieler");
    lvSpieler->setSortingEnabled(true);
    lvSpieler->setMinimumWidth(200);
    PageControl1 = Benannt(new QTabWidget(this), "PageControl1");
    tsSpieler = Benannt(new QWidget(PageControl1), "tsSpieler");
    tsDetails = Benannt(new QWidget(PageControl1), "tsDetails");
    PageControl1->addTab(tsSpieler, QString());
    PageControl1->addTab(tsDetails, QString());
    mitte->addWidget(lvSpieler);
    mitte->addWidget(PageControl1, 1);
    haupt->addLayout(mitte, 1);

    mDetails = Benannt(new QPlainTextEdit(tsDetails), "mDetails");
    mDetails->setReadOnly(true);
    (new QVBoxLayout(tsDetails))->addWidget(mDetails);

    auto* felder = new QGridLayout(tsSpieler);
    lbSpielerNummer = Benannt(new QLabel(tsSpieler), "lbSpielerNummer");
    felder->addWidget(lbSpielerNummer, 0, 0, 1, 3);
    int zeile = 1;
    auto feld = [&](QLabel*& label, const char* labelName, QWidget* eingabe) {
        label = Benannt(new QLabel(tsSpieler), labelName);
        label->setBuddy(eingabe);
        felder->addWidget(label, zeile, 0);
        felder->addWidget(eingabe, zeile, 1);
        ++zeile;
    };
    auto edit = [&](const char* name) { return Benannt(new QLineEdit(tsSpieler), name); };
    auto combo = [&](const char* name) {
        auto* c = Benannt(new QComboBox(tsSpieler), name);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        return c;
    };
    feld(lbVorname, "lbVorname", EVorname = edit("EVorname"));
    feld(lbName, "lbName", EName = edit("EName"));
    feld(lbNick, "lbNick", ENick = edit("ENick"));
    feld(lbKommentar, "lbKommentar", EKommentar = edit("EKommentar"));
    feld(lbArmee, "lbArmee", cbArmee = combo("cbArmee"));
    feld(lbHerkunft, "lbHerkunft", cbHerkunft = combo("cbHerkunft"));
    feld(lbTeam, "lbTeam", cbTeam = combo("cbTeam"));
    ETeamNr = edit("ETeamNr");
    ETeamNr->setMaximumWidth(50);
    felder->addWidget(ETeamNr, zeile - 1, 2);
    feld(lbArmeebewertung, "lbArmeebewertung", EArmeebewertung = edit("EArmeebewertung"));
    feld(lbBemalung, "lbBemalung", EBemalung = edit("EBemalung"));
    feld(lbQuiz, "lbQuiz", EQuiz = edit("EQuiz"));
    feld(lbFairplay, "lbFairplay", EFairplay = edit("EFairplay"));
    feld(lbSonstiges, "lbSonstiges", ESonstiges = edit("ESonstiges"));
    feld(lbGruppe, "lbGruppe", EGruppeNr = edit("EGruppeNr"));

    GroupBox1 = Benannt(new QGroupBox(tsSpieler), "GroupBox1");
    auto* verwaltung = new QGridLayout(GroupBox1);
    lbArmeelisteStatus = Benannt(new QLabel(GroupBox1), "lbArmeelisteStatus");
    cbArmeelisteStatus = Benannt(new QComboBox(GroupBox1), "cbArmeelisteStatus");
    cbBezahlt = Benannt(new QCheckBox(GroupBox1), "cbBezahlt");
    cbGemeldet = Benannt(new QCheckBox(GroupBox1), "cbGemeldet");
    cbGeloescht = Benannt(new QCheckBox(GroupBox1), "cbGeloescht");
    verwaltung->addWidget(lbArmeelisteStatus, 0, 0);
    verwaltung->addWidget(cbArmeelisteStatus, 0, 1);
    verwaltung->addWidget(cbBezahlt, 1, 0);
    verwaltung->addWidget(cbGemeldet, 1, 1);
    verwaltung->addWidget(cbGeloescht, 2, 0);
    felder->addWidget(GroupBox1, zeile, 0, 1, 3);
    felder->setRowStretch(zeile + 1, 1);

    auto* unten = new QHBoxLayout;
    OKBtn = Benannt(new QPushButton(this), "OKBtn");
    // Enter belongs to the field it is typed in (the start number searches), never closes.
    OKBtn->setAutoDefault(false);
    unten->addStretch();
    unten->addWidget(OKBtn);
    haupt->addLayout(unten);
}

void TDlgNeuerSpiel::ErzeugeMenue() {
    MainMenu1 = Benannt(new QMenuBar(this), "MainMenu1");
    layout()->setMenuBar(MainMenu1);
    Datei1 = Benannt(MainMenu1->addMenu(QString()), "Datei1");
    auto eintrag = [this](const char* name) { return Benannt(Datei1->addAction(QString()), name); };
    ArmeeLaden1 = eintrag("ArmeeLaden1");
    ArmeebelegungSpeichern1 = eintrag("ArmeebelegungSpeichern1");
    HerkunftLaden1 = eintrag("HerkunftLaden1");
    HerkunftSpeichern1 = eintrag("HerkunftSpeichern1");
    TeamLaden1 = eintrag("TeamLaden1");
    TeamSpeichern1 = eintrag("TeamSpeichern1");
    Datei1->addSeparator();
    NeuerSpieler1 = eintrag("NeuerSpieler1");
}

void TDlgNeuerSpiel::VerbindeEreignisse() {
    connect(ButtonNeu, &QToolButton::clicked, this, [this] { ButtonNeuClick(); });
    connect(NeuerSpieler1, &QAction::triggered, this, [this] { ButtonNeuClick(); });
    connect(ButtonSave, &QToolButton::clicked, this, [this] { ButtonSaveClick(); });
    connect(ToolButton2, &QToolButton::clicked, this, [this] { ToolButton2Click(); });
    connect(EStartnummer, &QLineEdit::returnPressed, this, [this] { ToolButton2Click(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(lvSpieler, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* zeile) { lvSpielerClick(zeile); });

    connect(EName, &QLineEdit::textChanged, this, [this] { SetChanged(); });
    for (QComboBox* c : {cbArmee, cbHerkunft, cbTeam})
        connect(c, &QComboBox::editTextChanged, this, [this] { SetChanged(); });
    connect(cbArmeelisteStatus, &QComboBox::currentIndexChanged, this, [this] { SetChanged(); });
    for (QCheckBox* c : {cbBezahlt, cbGemeldet, cbGeloescht})
        connect(c, &QCheckBox::toggled, this, [this] { SetChanged(); });

    const std::pair<QLineEdit*, int*> zahlen[] = {{EArmeebewertung, &LetzteArmeebewertung},
                                                  {EBemalung, &LetzteBemalung},
                                                  {EQuiz, &LetztesQuiz},
                                                  {EFairplay, &LetztesFairplay},
                                                  {ESonstiges, &LetztesSonstiges},
                                                  {EGruppeNr, &LetzteGruppe}};
    for (const auto& [feld, wert] : zahlen)
        connect(feld, &QLineEdit::textChanged, this,
                [this, feld, wert] { PruefeZahl(feld, *wert); });

    connect(ArmeeLaden1, &QAction::triggered, this, [this] { ArmeeLaden1Click(); });
    connect(ArmeebelegungSpeichern1, &QAction::triggered, this,
            [this] { ArmeebelegungSpeichern1Click(); });
    connect(HerkunftLaden1, &QAction::triggered, this, [this] { HerkunftLaden1Click(); });
    connect(HerkunftSpeichern1, &QAction::triggered, this, [this] { HerkunftSpeichern1Click(); });
    connect(TeamLaden1, &QAction::triggered, this, [this] { TeamLaden1Click(); });
    connect(TeamSpeichern1, &QAction::triggered, this, [this] { TeamSpeichern1Click(); });
}

void TDlgNeuerSpiel::FormCreate() {
    TexteRegistrieren();
}

void TDlgNeuerSpiel::TexteRegistrieren() {
    static const char* const texte[] = {"Spieler verwalten",
                                        "Änderungen Übernehmen?",
                                        "Übernehmen?",
                                        "Spiel Nr. ",
                                        "Gegner: ",
                                        "Tisch: ",
                                        "Ergebnis: ",
                                        "Unmodifiziert: ",
                                        "Differenz: ",
                                        "Fairplay: ",
                                        "Spieler",
                                        "Details",
                                        "OK",
                                        "Datei",
                                        "Armeebelegung Laden",
                                        "Armeebelegung Speichern",
                                        "Herkunft Laden",
                                        "Herkunft Speichern",
                                        "Team Laden",
                                        "Team Speichern",
                                        "Neuer Spieler",
                                        "Vorname:",
                                        "Name:",
                                        "Nickname:",
                                        "Kommentar:",
                                        "Armee:",
                                        "Herkunft:",
                                        "Team:",
                                        "Armeebewertung:",
                                        "Bemalung:",
                                        "Quiz:",
                                        "Fairplay:",
                                        "Sonstiges:",
                                        "Verwaltungsfunktionen",
                                        "Armeeliste",
                                        "Bezahlt",
                                        "Gemeldet",
                                        "Gelöscht",
                                        "Fehlt",
                                        "Abgegeben",
                                        "Rücksprache",
                                        "OK",
                                        "Startnummer suchen:     ",
                                        "Gruppe:",
                                        "Startnummer: "};
    int id = 1;
    for (const char* text : texte)
        RegisterText(12, id++, text);
}

void TDlgNeuerSpiel::TexteUebersetzen() {
    setWindowTitle(T(1));
    PageControl1->setTabText(0, T(11));
    PageControl1->setTabText(1, T(12));
    OKBtn->setText(T(13));
    Datei1->setTitle(T(14));
    int id = 15;
    for (QAction* a : {ArmeeLaden1, ArmeebelegungSpeichern1, HerkunftLaden1, HerkunftSpeichern1,
                       TeamLaden1, TeamSpeichern1, NeuerSpieler1})
        a->setText(T(id++));
    id = 22;
    for (QLabel* l : {lbVorname, lbName, lbNick, lbKommentar, lbArmee, lbHerkunft, lbTeam,
                      lbArmeebewertung, lbBemalung, lbQuiz, lbFairplay, lbSonstiges})
        l->setText(T(id++));
    GroupBox1->setTitle(T(34));
    lbArmeelisteStatus->setText(T(35));
    cbBezahlt->setText(T(36));
    cbGemeldet->setText(T(37));
    cbGeloescht->setText(T(38));
    cbArmeelisteStatus->clear();
    for (id = 39; id <= 42; ++id)
        cbArmeelisteStatus->addItem(T(id));
    cbArmeelisteStatus->setCurrentIndex(0);
    lbStartnummer->setText(T(43));
    lbGruppe->setText(T(44));
    lbSpielerNummer->setText(T(45));
}

void TDlgNeuerSpiel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TDlgNeuerSpiel::FormShow() {
    TexteUebersetzen();
    ListenIndex = nullptr;
    lvSpieler->clear();
    mDetails->clear();
    if (Modus == ArchivEingabe) {
        for (const auto& person : Archiv.Personen)
            lvSpieler->addItem(NeueZeile(person->Name));
    } else {
        for (const auto& spieler : Spielerliste)
            lvSpieler->addItem(NeueZeile(spieler->GetName()));
    }
    lvSpieler->clearSelection();
    lvSpieler->setCurrentItem(nullptr);
    ETeamNr->setVisible(Teamturnier);
    cbTeam->setFixedWidth(Teamturnier ? 209 : 265);
    Geaendert = false;
    ButtonNeuClick();
}
