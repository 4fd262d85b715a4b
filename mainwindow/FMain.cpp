// The main window as a frame: its controls, its creation, first show and close.
#include "mainwindow/FMain.h"

#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "core/Laufzettel.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "core/Teampunkte.h"
#include "core/Teamturnier.h"
#include "core/Tische.h"
#include "core/Wertung.h"
#include "mainwindow/DateiDialog.h"
#include "mainwindow/Listenansicht.h"
#include "mainwindow/ProgrammOrdner.h"
#include "platform/Guarded.h"
#include "platform/LineFile.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "platform/qt/QtText.h"
#include "translation/Sprachwahl.h"
#include "translation/Translate.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int LinkeBreite = 257;

QAction* Eintrag(QMenu* menue, const char* name) {
    auto* eintrag = menue->addAction(QString());
    eintrag->setObjectName(name);
    return eintrag;
}

QMenu* Untermenue(QMenu* menue, const char* name) {
    auto* unter = menue->addMenu(QString());
    unter->setObjectName(name);
    return unter;
}

QPushButton* GrosserKnopf(QWidget* parent, const char* name) {
    auto* knopf = new QPushButton(parent);
    knopf->setObjectName(name);
    knopf->setFixedSize(LinkeBreite, 33);
    return knopf;
}

QWidget* Seite(QTabWidget* seiten, const char* name, QTableWidget*& ansicht,
               const char* ansichtName, const std::vector<TSpalte>& spalten) {
    auto* seite = new QWidget(seiten);
    seite->setObjectName(name);
    auto* layout = new QVBoxLayout(seite);
    layout->setContentsMargins(0, 0, 0, 0);
    ansicht = NeueListenansicht(seite, ansichtName, spalten);
    layout->addWidget(ansicht);
    seiten->addTab(seite, QString());
    return seite;
}

} // namespace

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Main");
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);
    ErzeugeMenues();
    ErzeugeWerkzeugleiste();
    ErzeugeSteuerelemente();
    ErzeugeAnsichten();
    // F5 belongs to the whole window: it reaches it before any control, whichever has the focus.
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this, this,
                             [this] { Guarded([this] { FormKeyDown(Qt::Key_F5); }); });
    f5->setContext(Qt::WindowShortcut);

    OD = new TDateiDialog(this, "OD", TDateiDialog::Oeffnen, "Daten(*.dat)|*.dat|Alle|*.*", "dat");
    SD =
        new TDateiDialog(this, "SD", TDateiDialog::Speichern, "Daten(*.dat)|*.dat|Alle|*.*", "dat");
    SDTabelle =
        new TDateiDialog(this, "SDTabelle", TDateiDialog::Speichern, "Textfile|*.txt", "txt");
    SDErgebnis =
        new TDateiDialog(this, "SDErgebnis", TDateiDialog::Speichern, "Textfile|*.txt", "txt");
    ODImport = new TDateiDialog(this, "ODImport", TDateiDialog::Oeffnen,
                                "Tuvon Import|*.tvi|Alle|*.*", QString());
    SDExport = new TDateiDialog(this, "SDExport", TDateiDialog::Speichern,
                                "Tuvon Export|*.tve|Alle|*.*", "tve");

    BeschriftenEingebaut();
    VerbindeBefehle();
    resize(863, 479);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void TMain::ErzeugeMenues() {
    Datei = menuBar()->addMenu(QString());
    Datei->setObjectName("Datei");
    Neu1 = Eintrag(Datei, "Neu1");
    Laden = Eintrag(Datei, "Laden");
    Speichern1 = Eintrag(Datei, "Speichern1");
    SpeichernUnter1 = Eintrag(Datei, "SpeichernUnter1");
    Datei->addSeparator();
    Sprachendern1 = Eintrag(Datei, "Sprachendern1");
    Datei->addSeparator();
    Beenden1 = Eintrag(Datei, "Beenden1");

    Verwaltung = menuBar()->addMenu(QString());
    Verwaltung->setObjectName("Verwaltung");
    NeuenSpielereingeben1 = Eintrag(Verwaltung, "NeuenSpielereingeben1");
    SpielerVerndern = Eintrag(Verwaltung, "SpielerVerndern");
    Ergebnisse1 = Eintrag(Verwaltung, "Ergebnisse1");
    Verwaltung->addSeparator();
    Paarenkonfigurieren1 = Eintrag(Verwaltung, "Paarenkonfigurieren1");
    PaarungenTauschen1 = Eintrag(Verwaltung, "PaarungenTauschen1");
    Verwaltung->addSeparator();
    WerteEingeben1 = Untermenue(Verwaltung, "WerteEingeben1");
    Armeebewertung1 = Eintrag(WerteEingeben1, "Armeebewertung1");
    Bemalung1 = Eintrag(WerteEingeben1, "Bemalung1");
    Quizpunkte1 = Eintrag(WerteEingeben1, "Quizpunkte1");
    Fairplay1 = Eintrag(WerteEingeben1, "Fairplay1");
    Sonstiges1 = Eintrag(WerteEingeben1, "Sonstiges1");
    SpielerlschenNurvorerstemSpiel1 = Eintrag(Verwaltung, "SpielerlschenNurvorerstemSpiel1");
    Verwaltung->addSeparator();
    Spielerimportieren1 = Eintrag(Verwaltung, "Spielerimportieren1");
    ErgebnisseExportieren1 = Eintrag(Verwaltung, "ErgebnisseExportieren1");
    Verwaltung->addSeparator();
    TischeVerwalten1 = Eintrag(Verwaltung, "TischeVerwalten1");
    Siegpunktmatrix1 = Eintrag(Verwaltung, "Siegpunktmatrix1");
    Verwaltung->addSeparator();
    ServerVerwalten1 = Eintrag(Verwaltung, "ServerVerwalten1");

    // The archive menu is kept but never shown; its captions are not in the text table.
    Archiv1 = menuBar()->addMenu(QStringLiteral("Archiv"));
    Archiv1->setObjectName("Archiv1");
    Archiv1->menuAction()->setVisible(false);
    SpielerinArchivbernehmen1 = Eintrag(Archiv1, "SpielerinArchivbernehmen1");
    SpielerinArchivbernehmen1->setText(QStringLiteral("Turnierdaten in Archiv übernehmen"));
    Archivdatenanzeigen1 = Eintrag(Archiv1, "Archivdatenanzeigen1");
    Archivdatenanzeigen1->setText(QStringLiteral("Archivdaten anzeigen"));
    MehrereSpielerausArchivbernehmen1 = Eintrag(Archiv1, "MehrereSpielerausArchivbernehmen1");
    MehrereSpielerausArchivbernehmen1->setText(
        QStringLiteral("Mehrere Spieler aus Archiv übernehmen"));

    Drucken = menuBar()->addMenu(QString());
    Drucken->setObjectName("Drucken");
    Tabelle = Eintrag(Drucken, "Tabelle");
    Spieltag = Eintrag(Drucken, "Spieltag");
    Spielerbersicht1 = Eintrag(Drucken, "Spielerbersicht1");
    HtmlExport1 = Eintrag(Drucken, "HtmlExport1");
    extdatei1 = Untermenue(Drucken, "extdatei1");
    abelle1 = Eintrag(extdatei1, "abelle1");
    Spieltag1 = Eintrag(extdatei1, "Spieltag1");
    Verwaltungsdrucke1 = Eintrag(Drucken, "Verwaltungsdrucke1");
    Laufzettel1 = Eintrag(Drucken, "Laufzettel1");

    Hilfe1 = menuBar()->addMenu(QString());
    Hilfe1->setObjectName("Hilfe1");
    Info1 = Eintrag(Hilfe1, "Info1");
    Hilfe2 = Eintrag(Hilfe1, "Hilfe2");

    DruckMenu = new QMenu(this);
    DruckMenu->setObjectName("DruckMenu");
    Tabelle2 = Eintrag(DruckMenu, "Tabelle2");
    Spieltag2 = Eintrag(DruckMenu, "Spieltag2");
}

void TMain::ErzeugeWerkzeugleiste() {
    ToolBar1 = addToolBar(QString());
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    const auto knopf = [this](const char* name, const char* thema, QStyle::StandardPixmap ersatz) {
        auto* b = new QToolButton(ToolBar1);
        b->setObjectName(name);
        b->setIcon(QIcon::fromTheme(QString::fromLatin1(thema), style()->standardIcon(ersatz)));
        b->setAutoRaise(true);
        ToolBar1->addWidget(b);
        return b;
    };
    ToolButton1 = knopf("ToolButton1", "document-new", QStyle::SP_FileIcon);
    ToolButton2 = knopf("ToolButton2", "document-open", QStyle::SP_DialogOpenButton);
    ToolButton3 = knopf("ToolButton3", "document-save", QStyle::SP_DialogSaveButton);
    ToolBar1->addSeparator();
    ToolButton5 = knopf("ToolButton5", "document-print", QStyle::SP_FileDialogContentsView);
    ToolButton5->setMenu(DruckMenu);
    ToolButton5->setPopupMode(QToolButton::MenuButtonPopup);
}

void TMain::ErzeugeSteuerelemente() {
    auto* mitte = new QWidget(this);
    auto* zeile = new QHBoxLayout(mitte);
    auto* links = new QVBoxLayout;
    zeile->addLayout(links);

    lbTurniername = new QLabel(mitte);
    lbTurniername->setObjectName("lbTurniername");
    lbTurniername->setFixedWidth(LinkeBreite);
    lbTurniername->setAlignment(Qt::AlignCenter);
    QFont titel = lbTurniername->font();
    titel.setPixelSize(13);
    lbTurniername->setFont(titel);
    links->addWidget(lbTurniername);

    Label1 = new QLabel(mitte);
    Label1->setObjectName("Label1");
    links->addWidget(Label1);
    cbSpieltag = new QComboBox(mitte);
    cbSpieltag->setObjectName("cbSpieltag");
    cbSpieltag->setFixedWidth(LinkeBreite);
    for (int runde = 1; runde <= 5; ++runde)
        cbSpieltag->addItem(QString::number(runde));
    links->addWidget(cbSpieltag);
    links->addSpacing(12);

    bPaaren = GrosserKnopf(mitte, "bPaaren");
    bSpieler = GrosserKnopf(mitte, "bSpieler");
    bErgebnis = GrosserKnopf(mitte, "bErgebnis");
    for (auto* knopf : {bPaaren, bSpieler, bErgebnis})
        links->addWidget(knopf);
    links->addStretch();

    PageControl1 = new QTabWidget(mitte);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setMinimumWidth(583);
    zeile->addWidget(PageControl1, 1);
    setCentralWidget(mitte);
}

void TMain::ErzeugeAnsichten() {
    constexpr int S = StandardSpaltenbreite;
    TabSheet3 = Seite(PageControl1, "TabSheet3", Grid, "Grid",
                      {{1, true}, {40, true}, {150, false}, {80, true}, {95, true}});
    TabSheet5 =
        Seite(PageControl1, "TabSheet5", lvSpiele, "lvSpiele",
              {{30, true}, {40, true}, {150, false}, {150, false}, {80, false}, {70, false}});
    TabSheet4 = Seite(PageControl1, "TabSheet4", GridTeam, "GridTeam",
                      {{40, true}, {100, false}, {S, true}, {100, true}, {80, true}});
    tbTeampaarungen =
        Seite(PageControl1, "tbTeampaarungen", lvTeamSpiele, "lvTeamSpiele",
              {{35, true}, {S, true}, {150, false}, {150, false}, {80, false}, {80, false}});
    tsPaarungshilfe = Seite(
        PageControl1, "tsPaarungshilfe", lvPaarungsinfo, "lvPaarungsinfo",
        {{1, true}, {40, true}, {150, false}, {S, true}, {100, false}, {100, false}, {100, false}});
    PageControl1->setCurrentWidget(TabSheet3);
}

void TMain::ZeigeSeite(QWidget* seite, bool sichtbar) {
    PageControl1->setTabVisible(PageControl1->indexOf(seite), sichtbar);
}

void TMain::ZeigeTurniername() {
    lbTurniername->setText(Qs(Turniername.str()));
}

void TMain::FormCreate() {
    InitTranslator();
    TexteRegistrieren();
    RegistriereDatenTexte();
    ShowNumbers = false;
    ProgrammVerzeichnis = PathText(ProgrammOrdner());
    // A damaged Archiv.dat is reported on its own: every later window needs what follows.
    Guarded([] { ArchivStarten(); });

    Spielerliste.clear();
    for (auto* liste : {&Ortswertung, &Teamwertung, &Armeewertung})
        liste->clear();
    Paarungsliste.clear();
    LaufzettelStandard();
    Teamliste.clear();
    Teampaarungsliste.clear();
    cbSpieltag->setCurrentIndex(0);
    InitTische();
    T3TurnierID = "0";
    Turniername = "";
    ZeigeTurniername();
    // Every option to its built-in value; the options dialog, created later, applies its own.
    InitTurnier();
    SeedRandomFromClock();
    SortierSpalte = 2;
    ZeigeSeite(tbTeampaarungen, false);
    InitSiegpunktmatrix();
    ZeigeSeite(tsPaarungshilfe, PaarungshilfeAnzeigen);
}

void TMain::FormShow() {
    // A language file that fails to load ends the show handler: the window keeps the captions it
    // was built with, and the texts read so far serve every window shown later.
    SpracheBeimStartLaden(ProgrammOrdner());
    TexteUebersetzen();
}

bool TMain::FormClose() {
    const std::string frage = GetTranslation(1, 97);
    if (!Messages().Ask(frage, frage))
        return true;
    return Guarded([this] { TurnierSpeichern(); });
}

void TMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TMain::closeEvent(QCloseEvent* event) {
    if (FormClose())
        event->accept();
    else
        event->ignore();
}
