#include "dialogs/DOptionen.h"

#include "core/ConfigDatei.h"
#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "core/Teamturnier.h"
#include "dialogs/GanzzahlFeld.h"
#include "dialogs/NeutralSeite.h"
#include "platform/Guarded.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtZahlen.h"
#include "server/ClientListe.h"
#include "translation/Translate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TDlgOptionen* DlgOptionen = nullptr;

namespace {

constexpr int Abschnitt = 13;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

QLineEdit* Eingabe(QWidget* parent, const char* name, const char* text) {
    auto* edit = NeuesElement<QLineEdit>(parent, name);
    edit->setText(text);
    return edit;
}

// Unchecking a radio button leaves its partner alone, so that both may end up unchecked.
void SetzeSchalterZustand(QAbstractButton* knopf, bool an) {
    auto* radio = qobject_cast<QRadioButton*>(knopf);
    if (radio && !an) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
        return;
    }
    knopf->setChecked(an);
}

double Prozent(const QLineEdit* edit) {
    return TextToFloat(edit->text()) / 100.0;
}

void ListenSetzen(std::vector<std::string>& beruecksichtigt, std::vector<std::string>& neutral,
                  const NeutralSeite* seite) {
    neutral = OhneDoppelte(seite->Rechts());
    beruecksichtigt = OhneDoppelte(seite->Links(), neutral);
}

} // namespace

// The controls as "Config.dat" sees them.
class TDlgOptionen::ConfigAdapter final : public ConfigZiel, public ConfigQuelle {
public:
    explicit ConfigAdapter(TDlgOptionen& dlg) : dlg_(dlg) {}
    void SetzeSchalter(ConfigFeld feld, bool an) override {
        SetzeSchalterZustand(dlg_.Schalter(feld), an);
    }
    void SetzeText(ConfigFeld feld, const std::string& text) override {
        dlg_.Zahlfeld(feld)->Edit()->setText(Qs(text));
    }
    void NeutralHinzufuegen(ConfigListe liste, const std::string& wert) override {
        dlg_.Seite(liste)->NeutralAnhaengen(wert);
    }
    bool Schalter(ConfigFeld feld) const override { return dlg_.Schalter(feld)->isChecked(); }
    std::string Text(ConfigFeld feld) const override {
        return Cp(dlg_.Zahlfeld(feld)->Edit()->text());
    }
    std::vector<std::string> Neutral(ConfigListe liste) const override {
        return dlg_.Seite(liste)->Rechts();
    }

private:
    TDlgOptionen& dlg_;
};

TDlgOptionen::TDlgOptionen(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgOptionen");
    SeitenAnlegen();
}

void TDlgOptionen::FormCreate() {
    TexteRegistrieren();
    StandardLaden();
    OKAnwenden();
}

void TDlgOptionen::SeitenAnlegen() {
    Paarungsmenue = NeuesElement<QMenuBar>(this, "Paarungsmenue");
    Datei1 = Paarungsmenue->addMenu(QString());
    Datei1->setObjectName("Datei1");
    AlsStandardSpeichern1 = Datei1->addAction(QString());
    AlsStandardSpeichern1->setObjectName("AlsStandardSpeichern1");
    StandardLaden1 = Datei1->addAction(QString());
    StandardLaden1->setObjectName("StandardLaden1");
    connect(AlsStandardSpeichern1, &QAction::triggered, this,
            &TDlgOptionen::AlsStandardSpeichern1Click);
    connect(StandardLaden1, &QAction::triggered, this, &TDlgOptionen::StandardLaden1Click);

    PageControl1 = NeuesElement<QTabWidget>(this, "PageControl1");
    PageControl1->addTab(OptionSeite(), QString());
    PageControl1->addTab(PunkteSeite(), QString());
    tbOrte = new NeutralSeite({"lbBeruecksichtigt", "lbNeutral", "btToRight", "btToLeft"}, this);
    tbOrte->setObjectName("tbOrte");
    tbTeams = new NeutralSeite(
        {"lbTeamBeruecksichtigt", "lbTeamNeutral", "btTeamToRight", "btTeamToLeft"}, this);
    tbTeams->setObjectName("tbTeams");
    TabSheet3 = new NeutralSeite(
        {"lbArmeeBeruecksichtigt", "lbArmeeNeutral", "btArmeeToRight", "btArmeeToLeft"}, this);
    TabSheet3->setObjectName("TabSheet3");
    PageControl1->addTab(tbOrte, QString());
    PageControl1->addTab(tbTeams, QString());
    PageControl1->addTab(TabSheet3, QString());
    PageControl1->addTab(ErgebnisSeite(), QString());

    OK = NeuesElement<QPushButton>(this, "OK");
    OK->setDefault(true);
    Abbrechen = NeuesElement<QPushButton>(this, "Abbrechen");
    connect(OK, &QPushButton::clicked, this, &TDlgOptionen::OKClick);
    connect(Abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OK);
    knoepfe->addWidget(Abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(Paarungsmenue);
    layout->addWidget(PageControl1);
    layout->addLayout(knoepfe);
}

QWidget* TDlgOptionen::OptionSeite() {
    auto* seite = NeuesElement<QWidget>(this, "TabSheet1");
    cbArmeen = NeuesElement<QCheckBox>(seite, "cbArmeen");
    cbGleiche = NeuesElement<QCheckBox>(seite, "cbGleiche");
    cbOrte = NeuesElement<QCheckBox>(seite, "cbOrte");
    cbGleicheArmeen = NeuesElement<QCheckBox>(seite, "cbGleicheArmeen");
    cbTeams = NeuesElement<QCheckBox>(seite, "cbTeams");
    for (QCheckBox* regel : {cbArmeen, cbGleiche, cbOrte, cbGleicheArmeen, cbTeams})
        regel->setChecked(true);
    EArmeen = new GanzzahlFeld(NeuesElement<QLineEdit>(seite, "EArmeen"), 0);
    EGleiche = new GanzzahlFeld(NeuesElement<QLineEdit>(seite, "EGleiche"), 0);
    EOrte = new GanzzahlFeld(NeuesElement<QLineEdit>(seite, "EOrte"), 0);
    EGleicheArmeen = new GanzzahlFeld(NeuesElement<QLineEdit>(seite, "EGleicheArmeen"), 0);
    ETeams = new GanzzahlFeld(NeuesElement<QLineEdit>(seite, "ETeams"), 0);
    ETimesAgainstArmy =
        new GanzzahlFeld(NeuesElement<QLineEdit>(seite, "ETimesAgainstArmy"), 2, {1, 4, true});
    Label5 = NeuesElement<QLabel>(seite, "Label5");

    RadioGroup2 = NeuesElement<QGroupBox>(seite, "RadioGroup2");
    rbArmeebewertung = NeuesElement<QRadioButton>(RadioGroup2, "rbArmeebewertung");
    rbZufaellig = NeuesElement<QRadioButton>(RadioGroup2, "rbZufaellig");
    rbArmeebewertung->setChecked(true);
    auto* ersteRunde = new QVBoxLayout(RadioGroup2);
    ersteRunde->addWidget(rbArmeebewertung);
    ersteRunde->addWidget(rbZufaellig);

    cbTeamTurnier = NeuesElement<QCheckBox>(seite, "cbTeamTurnier");
    cbPaarungshilfe = NeuesElement<QCheckBox>(seite, "cbPaarungshilfe");
    lbRundenanzahl = NeuesElement<QLabel>(seite, "lbRundenanzahl");
    ERundenAnzahl = new GanzzahlFeld(NeuesElement<QLineEdit>(seite, "ERundenAnzahl"), 5,
                                     {1, HoechsteRundenAnzahl, true});
    cbGruppen = NeuesElement<QCheckBox>(seite, "cbGruppen");

    auto* malGegenArmee = new QHBoxLayout;
    malGegenArmee->addWidget(cbGleicheArmeen);
    malGegenArmee->addWidget(ETimesAgainstArmy->Edit());
    malGegenArmee->addWidget(Label5);
    malGegenArmee->addStretch();
    auto* raster = new QGridLayout(seite);
    raster->addWidget(cbArmeen, 0, 0);
    raster->addWidget(EArmeen->Edit(), 0, 1);
    raster->addWidget(cbGleiche, 1, 0);
    raster->addWidget(EGleiche->Edit(), 1, 1);
    raster->addWidget(cbOrte, 2, 0);
    raster->addWidget(EOrte->Edit(), 2, 1);
    raster->addLayout(malGegenArmee, 3, 0);
    raster->addWidget(EGleicheArmeen->Edit(), 3, 1);
    raster->addWidget(cbTeams, 4, 0);
    raster->addWidget(ETeams->Edit(), 4, 1);
    raster->addWidget(RadioGroup2, 5, 0, 1, 2);
    raster->addWidget(cbTeamTurnier, 6, 0, 1, 2);
    raster->addWidget(cbPaarungshilfe, 7, 0, 1, 2);
    raster->addWidget(lbRundenanzahl, 8, 0);
    raster->addWidget(ERundenAnzahl->Edit(), 8, 1);
    raster->addWidget(cbGruppen, 9, 0, 1, 2);
    raster->setRowStretch(10, 1);
    return seite;
}

QWidget* TDlgOptionen::PunkteSeite() {
    auto* seite = NeuesElement<QWidget>(this, "TabSheet2");
    cbTunierpunkte = NeuesElement<QCheckBox>(seite, "cbTunierpunkte");
    cbTunierpunkte->setChecked(true);
    // The round points always count; the box exists for "Config.dat" only.
    connect(cbTunierpunkte, &QCheckBox::toggled, this, [this](bool an) {
        if (!an)
            cbTunierpunkte->setChecked(true);
    });
    cbArmeebewertung = NeuesElement<QCheckBox>(seite, "cbArmeebewertung");
    cbArmeebewertung->setChecked(true);
    auto* art = new QWidget(seite);
    rbKlassisch = NeuesElement<QRadioButton>(art, "rbKlassisch");
    rbVergleichend = NeuesElement<QRadioButton>(art, "rbVergleichend");
    rbKlassisch->setChecked(true);
    auto* artLayout = new QHBoxLayout(art);
    artLayout->setContentsMargins(20, 0, 0, 0);
    artLayout->addWidget(rbKlassisch);
    artLayout->addWidget(rbVergleichend);
    artLayout->addStretch();
    cbBemalung = NeuesElement<QCheckBox>(seite, "cbBemalung");
    cbQuiz = NeuesElement<QCheckBox>(seite, "cbQuiz");
    cbFairplay = NeuesElement<QCheckBox>(seite, "cbFairplay");
    cbSonstiges = NeuesElement<QCheckBox>(seite, "cbSonstiges");
    cbSzenario = NeuesElement<QCheckBox>(seite, "cbSzenario");
    EProzentTurnier = Eingabe(seite, "EProzentTurnier", "100");
    EProzentArmee = Eingabe(seite, "EProzentArmee", "100");
    EProzentBemalung = Eingabe(seite, "EProzentBemalung", "100");
    EProzentQuiz = Eingabe(seite, "EProzentQuiz", "100");
    EProzentFairplay = Eingabe(seite, "EProzentFairplay", "100");
    EProzentSonstige = Eingabe(seite, "EProzentSonstige", "100");

    auto* raster = new QGridLayout(seite);
    raster->addWidget(cbTunierpunkte, 0, 0);
    raster->addWidget(EProzentTurnier, 0, 1);
    raster->addWidget(cbArmeebewertung, 1, 0);
    raster->addWidget(EProzentArmee, 1, 1);
    raster->addWidget(art, 2, 0, 1, 2);
    raster->addWidget(cbBemalung, 3, 0);
    raster->addWidget(EProzentBemalung, 3, 1);
    raster->addWidget(cbQuiz, 4, 0);
    raster->addWidget(EProzentQuiz, 4, 1);
    raster->addWidget(cbFairplay, 5, 0);
    raster->addWidget(EProzentFairplay, 5, 1);
    raster->addWidget(cbSonstiges, 6, 0);
    raster->addWidget(EProzentSonstige, 6, 1);
    raster->addWidget(cbSzenario, 7, 0);
    raster->addWidget(new QLabel("%", seite), 0, 2);
    // The page holds an empty frame that is never shown.
    NeuesElement<QGroupBox>(seite, "RadioGroup1")->hide();
    raster->setRowStretch(8, 1);
    return seite;
}

QWidget* TDlgOptionen::ErgebnisSeite() {
    auto* seite = NeuesElement<QWidget>(this, "tbErgebniseingabe");
    bSiegpunktmatrix = NeuesElement<QCheckBox>(seite, "bSiegpunktmatrix");
    cbFairplayProSpiel = NeuesElement<QCheckBox>(seite, "cbFairplayProSpiel");
    cbSzenarioEingabe = NeuesElement<QCheckBox>(seite, "cbSzenarioEingabe");
    cbDruckMitSpielernummer = NeuesElement<QCheckBox>(seite, "cbDruckMitSpielernummer");
    auto* layout = new QVBoxLayout(seite);
    for (QCheckBox* box :
         {bSiegpunktmatrix, cbFairplayProSpiel, cbSzenarioEingabe, cbDruckMitSpielernummer})
        layout->addWidget(box);
    layout->addStretch();
    return seite;
}

void TDlgOptionen::TexteRegistrieren() {
    static const char* const texte[] = {
        "Paarungsoptionen",
        "Datei",
        "Als Standard Speichern",
        "Standard Laden",
        "Option",
        "Gleiche Armeen beachten",
        "Keine Paarungen mehrfach",
        "Gleiche Orte beachten",
        "Nur",
        "mal gegen die selbe Armee",
        "Gleiche Teams beachten",
        "Erste Runde paaren:",
        "nach Armeebewertung",
        "zufällig",
        "Dies ist ein Teamturnier",
        "Paarungshilfe anzeigen",
        "Punkte",
        "Tunierpunkte",
        "Armeebewertung",
        "Klassisch",
        "Vergleichend",
        "Bemalung",
        "Quiz",
        "Fairplay",
        "Sonstiges",
        "Szenariopunkte",
        "Orte",
        "Teams",
        "Armeen",
        "Berücksichtigt",
        "Neutral",
        "OK",
        "Abbrechen",
        "Zu spielende Runden",
        "Gruppen beim Paaren beachten",
        "Ergebniseingabe",
        "Fairplay eingeben",
        "Szenariopunkte eingeben",
        "Ausdrucke mit Spielernummer",
        "Siegpunktmatrix benutzen",
    };
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

void TDlgOptionen::TexteUebersetzen() {
    setWindowTitle(Text(1));
    Datei1->setTitle(Text(2));
    AlsStandardSpeichern1->setText(Text(3));
    StandardLaden1->setText(Text(4));
    const int seiten[] = {5, 17, 27, 28, 29, 36};
    for (int i = 0; i < 6; ++i)
        PageControl1->setTabText(i, Text(seiten[i]));
    cbArmeen->setText(Text(6));
    cbGleiche->setText(Text(7));
    cbOrte->setText(Text(8));
    cbGleicheArmeen->setText(Text(9));
    Label5->setText(Text(10));
    cbTeams->setText(Text(11));
    RadioGroup2->setTitle(Text(12));
    rbArmeebewertung->setText(Text(13));
    rbZufaellig->setText(Text(14));
    cbTeamTurnier->setText(Text(15));
    cbPaarungshilfe->setText(Text(16));
    cbTunierpunkte->setText(Text(18));
    cbArmeebewertung->setText(Text(19));
    rbKlassisch->setText(Text(20));
    rbVergleichend->setText(Text(21));
    cbBemalung->setText(Text(22));
    cbQuiz->setText(Text(23));
    cbFairplay->setText(Text(24));
    cbSonstiges->setText(Text(25));
    cbSzenario->setText(Text(26));
    for (NeutralSeite* seite : {tbOrte, tbTeams, TabSheet3})
        seite->TexteSetzen(Text(30), Text(31));
    OK->setText(Text(32));
    Abbrechen->setText(Text(33));
    lbRundenanzahl->setText(Text(34));
    cbGruppen->setText(Text(35));
    cbFairplayProSpiel->setText(Text(37));
    cbSzenarioEingabe->setText(Text(38));
    cbDruckMitSpielernummer->setText(Text(39));
    bSiegpunktmatrix->setText(Text(40));
}

void TDlgOptionen::FormShow() {
    TexteUebersetzen();

    for (const auto& spieler : Spielerliste) {
        ErgaenzeWert(OrteBeruecksichtigt, OrteNeutral, TrimText(spieler->Herkunft));
        ErgaenzeWert(TeamsBeruecksichtigt, TeamsNeutral, TrimText(spieler->Team));
        ErgaenzeWert(ArmeenBeruecksichtigt, ArmeenNeutral, TrimText(spieler->Armee));
    }
    const struct {
        std::vector<std::string>& beruecksichtigt;
        std::vector<std::string>& neutral;
        NeutralSeite* seite;
    } seiten[] = {{OrteBeruecksichtigt, OrteNeutral, tbOrte},
                  {TeamsBeruecksichtigt, TeamsNeutral, tbTeams},
                  {ArmeenBeruecksichtigt, ArmeenNeutral, TabSheet3}};
    for (const auto& s : seiten) {
        SortiereListe(s.beruecksichtigt);
        SortiereListe(s.neutral);
        s.seite->Fuellen(s.beruecksichtigt, s.neutral);
    }

    GanzzahlFeld* toleranzen[] = {EArmeen, EGleiche, EOrte, EGleicheArmeen, ETeams};
    for (int i = 0; i < 5; ++i)
        toleranzen[i]->Setzen(Toleranzen[i]);
    ETimesAgainstArmy->Setzen(MalGegenSelbeArmee);
    cbArmeen->setChecked(GleicheArmeenBeachten);
    cbGleiche->setChecked(KeinePaarungenMehrfach);
    cbOrte->setChecked(GleicheOrteBeachten);
    cbGleicheArmeen->setChecked(NurNMalGegenArmee);
    cbArmeebewertung->setChecked(ArmeebewertungKlassisch || ArmeebewertungVergleichend);
    cbSzenario->setChecked(SzenarioWerten);
    cbTeamTurnier->setChecked(Teamturnier);
    (ArmeebewertungVergleichend ? rbVergleichend : rbKlassisch)->setChecked(true);
    (ErsteRundeNachArmeebewertung ? rbArmeebewertung : rbZufaellig)->setChecked(true);
    cbBemalung->setChecked(BemalungWerten);
    cbQuiz->setChecked(QuizWerten);
    cbFairplay->setChecked(FairplayWerten);
    cbSonstiges->setChecked(SonstigesWerten);
    cbTeams->setChecked(GleicheTeamsBeachten);
    cbPaarungshilfe->setChecked(PaarungshilfeAnzeigen);
    cbGruppen->setChecked(GruppenBeachten);
    EProzentTurnier->setText(FloatToText(FaktorTurnier * 100));
    EProzentArmee->setText(FloatToText(FaktorArmee * 100));
    EProzentBemalung->setText(FloatToText(FaktorBemalung * 100));
    EProzentQuiz->setText(FloatToText(FaktorQuiz * 100));
    EProzentFairplay->setText(FloatToText(FaktorFairplay * 100));
    EProzentSonstige->setText(FloatToText(FaktorSonstige * 100));
    ERundenAnzahl->Setzen(RundenAnzahl);
    bSiegpunktmatrix->setChecked(SiegpunktmatrixBenutzen);
    cbFairplayProSpiel->setChecked(FairplayProSpiel);
    cbSzenarioEingabe->setChecked(SzenarioEingabe);
    cbDruckMitSpielernummer->setChecked(DruckMitSpielernummer);
}

void TDlgOptionen::OKClick() {
    // OK closes the dialog also when applying failed; the error has been shown.
    Guarded([this] { OKAnwenden(); });
    accept();
}

void TDlgOptionen::OKAnwenden() {
    GleicheArmeenBeachten = cbArmeen->isChecked();
    KeinePaarungenMehrfach = cbGleiche->isChecked();
    GleicheOrteBeachten = cbOrte->isChecked();
    NurNMalGegenArmee = cbGleicheArmeen->isChecked();
    ArmeebewertungKlassisch = cbArmeebewertung->isChecked() && rbKlassisch->isChecked();
    ArmeebewertungVergleichend = cbArmeebewertung->isChecked() && rbVergleichend->isChecked();
    BemalungWerten = cbBemalung->isChecked();
    GruppenBeachten = cbGruppen->isChecked();
    QuizWerten = cbQuiz->isChecked();
    FairplayWerten = cbFairplay->isChecked();
    SonstigesWerten = cbSonstiges->isChecked();
    GleicheTeamsBeachten = cbTeams->isChecked();
    ErsteRundeNachArmeebewertung = rbArmeebewertung->isChecked();
    SzenarioWerten = cbSzenario->isChecked();
    PaarungshilfeAnzeigen = cbPaarungshilfe->isChecked();
    Teamturnier = cbTeamTurnier->isChecked();

    // Both lists of a page become what its two boxes show, so that a value moved back from the
    // neutral box stops being neutral.
    ListenSetzen(OrteBeruecksichtigt, OrteNeutral, tbOrte);
    ListenSetzen(TeamsBeruecksichtigt, TeamsNeutral, tbTeams);
    ListenSetzen(ArmeenBeruecksichtigt, ArmeenNeutral, TabSheet3);

    MalGegenSelbeArmee = ETimesAgainstArmy->LetzterWert();
    const GanzzahlFeld* toleranzen[] = {EArmeen, EGleiche, EOrte, EGleicheArmeen, ETeams};
    for (int i = 0; i < 5; ++i)
        Toleranzen[i] = toleranzen[i]->LetzterWert();

    FaktorTurnier = Prozent(EProzentTurnier);
    FaktorFairplay = Prozent(EProzentFairplay);
    FaktorQuiz = Prozent(EProzentQuiz);
    FaktorBemalung = Prozent(EProzentBemalung);
    FaktorSonstige = Prozent(EProzentSonstige);
    FaktorArmee = Prozent(EProzentArmee);

    // A number of rounds outside the range (possible only from a loaded file) is not taken.
    const int runden = ERundenAnzahl->LetzterWert();
    if (runden >= 1 && runden <= HoechsteRundenAnzahl)
        RundenAnzahl = Teamturnier ? std::min(runden, TeamRunden) : runden;

    // The result server's clients receive what changed with their next fetch.
    if (bSiegpunktmatrix->isChecked() != SiegpunktmatrixBenutzen)
        ClientsNeedMatrix();
    if (cbFairplayProSpiel->isChecked() != FairplayProSpiel ||
        cbSzenarioEingabe->isChecked() != SzenarioEingabe)
        ClientsNeedOptions();

    SiegpunktmatrixBenutzen = bSiegpunktmatrix->isChecked();
    FairplayProSpiel = cbFairplayProSpiel->isChecked();
    SzenarioEingabe = cbSzenarioEingabe->isChecked();
    DruckMitSpielernummer = cbDruckMitSpielernummer->isChecked();
}

void TDlgOptionen::StandardLaden() {
    ConfigAdapter adapter(*this);
    LeseConfigDatei(ConfigDateiPfad(), adapter);
    cbFairplayProSpiel->setChecked(true);
    cbSzenarioEingabe->setChecked(true);
}

void TDlgOptionen::StandardLaden1Click() {
    Guarded([this] { StandardLaden(); });
}

void TDlgOptionen::AlsStandardSpeichern1Click() {
    Guarded([this] { SchreibeConfigDatei(ConfigDateiPfad(), ConfigAdapter(*this)); });
}

QAbstractButton* TDlgOptionen::Schalter(ConfigFeld feld) const {
    switch (feld) {
    case ConfigFeld::Armeen:
        return cbArmeen;
    case ConfigFeld::Gleiche:
        return cbGleiche;
    case ConfigFeld::Orte:
        return cbOrte;
    case ConfigFeld::GleicheArmeen:
        return cbGleicheArmeen;
    case ConfigFeld::Teams:
        return cbTeams;
    case ConfigFeld::Tunierpunkte:
        return cbTunierpunkte;
    case ConfigFeld::Armeebewertung:
        return cbArmeebewertung;
    case ConfigFeld::Klassisch:
        return rbKlassisch;
    case ConfigFeld::Vergleichend:
        return rbVergleichend;
    case ConfigFeld::Bemalung:
        return cbBemalung;
    case ConfigFeld::Quiz:
        return cbQuiz;
    case ConfigFeld::Fairplay:
        return cbFairplay;
    case ConfigFeld::Sonstiges:
        return cbSonstiges;
    case ConfigFeld::Szenario:
        return cbSzenario;
    default:
        return nullptr;
    }
}

GanzzahlFeld* TDlgOptionen::Zahlfeld(ConfigFeld feld) const {
    switch (feld) {
    case ConfigFeld::ArmeenToleranz:
        return EArmeen;
    case ConfigFeld::GleicheToleranz:
        return EGleiche;
    case ConfigFeld::OrteToleranz:
        return EOrte;
    case ConfigFeld::MalGegenArmee:
        return ETimesAgainstArmy;
    case ConfigFeld::GleicheArmeenToleranz:
        return EGleicheArmeen;
    case ConfigFeld::TeamsToleranz:
        return ETeams;
    default:
        return nullptr;
    }
}

NeutralSeite* TDlgOptionen::Seite(ConfigListe liste) const {
    switch (liste) {
    case ConfigListe::Orte:
        return tbOrte;
    case ConfigListe::Teams:
        return tbTeams;
    default:
        return TabSheet3;
    }
}
