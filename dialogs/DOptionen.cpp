#include "dialogs/DOptionen.h"

#include "core/ConfigDatei.h"
#include "core/Data.h"
#include "core/Optionen.h"
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

// The controls of declared options start as their declaration says.
template <class T> T* NeuerKnopf(QWidget* parent, const char* name) {
    auto* knopf = NeuesElement<T>(parent, name);
    knopf->setChecked(OptionMitSteuer(name).SteuerStart() != 0);
    return knopf;
}

GanzzahlFeld* NeuesZahlfeld(QWidget* parent, const char* name) {
    const TOption& option = OptionMitSteuer(name);
    return new GanzzahlFeld(NeuesElement<QLineEdit>(parent, name),
                            static_cast<int>(option.SteuerStart()),
                            {option.Von, option.Bis, option.HatBereich()});
}

QLineEdit* NeuesProzentfeld(QWidget* parent, const char* name) {
    auto* edit = NeuesElement<QLineEdit>(parent, name);
    edit->setText(FloatToText(OptionMitSteuer(name).SteuerStart() * 100));
    return edit;
}

// Whether an option that depends on this condition box is on; nothing for any other box.
std::optional<bool> BedingungErfuellt(std::string_view steuer) {
    std::optional<bool> an;
    for (const TOption& option : Optionen())
        if (option.Bedingung && steuer == option.Bedingung)
            an = an.value_or(false) || *option.Schalter;
    return an;
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

} // namespace

// The controls as "Config.dat" sees them.
class TDlgOptionen::ConfigAdapter final : public ConfigZiel, public ConfigQuelle {
public:
    explicit ConfigAdapter(TDlgOptionen& dlg) : dlg_(dlg) {}
    void SetzeSchalter(ConfigFeld feld, bool an) override {
        SetzeSchalterZustand(dlg_.Knopf(Option(feld).Steuer), an);
    }
    void SetzeText(ConfigFeld feld, const std::string& text) override {
        dlg_.Zahlfeld(Option(feld).Steuer)->Edit()->setText(Qs(text));
    }
    void NeutralHinzufuegen(ConfigListe liste, const std::string& wert) override {
        dlg_.Seite(liste)->NeutralAnhaengen(wert);
    }
    bool Schalter(ConfigFeld feld) const override {
        return dlg_.Knopf(Option(feld).Steuer)->isChecked();
    }
    std::string Text(ConfigFeld feld) const override {
        return Cp(dlg_.Zahlfeld(Option(feld).Steuer)->Edit()->text());
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
    tbOrte = new NeutralSeite(WerteListe(ConfigListe::Orte), this);
    tbTeams = new NeutralSeite(WerteListe(ConfigListe::Teams), this);
    TabSheet3 = new NeutralSeite(WerteListe(ConfigListe::Armeen), this);
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
    cbArmeen = NeuerKnopf<QCheckBox>(seite, "cbArmeen");
    cbGleiche = NeuerKnopf<QCheckBox>(seite, "cbGleiche");
    cbOrte = NeuerKnopf<QCheckBox>(seite, "cbOrte");
    cbGleicheArmeen = NeuerKnopf<QCheckBox>(seite, "cbGleicheArmeen");
    cbTeams = NeuerKnopf<QCheckBox>(seite, "cbTeams");
    EArmeen = NeuesZahlfeld(seite, "EArmeen");
    EGleiche = NeuesZahlfeld(seite, "EGleiche");
    EOrte = NeuesZahlfeld(seite, "EOrte");
    EGleicheArmeen = NeuesZahlfeld(seite, "EGleicheArmeen");
    ETeams = NeuesZahlfeld(seite, "ETeams");
    ETimesAgainstArmy = NeuesZahlfeld(seite, "ETimesAgainstArmy");
    Label5 = NeuesElement<QLabel>(seite, "Label5");

    RadioGroup2 = NeuesElement<QGroupBox>(seite, "RadioGroup2");
    rbArmeebewertung = NeuerKnopf<QRadioButton>(RadioGroup2, "rbArmeebewertung");
    rbZufaellig = NeuesElement<QRadioButton>(RadioGroup2, "rbZufaellig");
    auto* ersteRunde = new QVBoxLayout(RadioGroup2);
    ersteRunde->addWidget(rbArmeebewertung);
    ersteRunde->addWidget(rbZufaellig);

    cbTeamTurnier = NeuerKnopf<QCheckBox>(seite, "cbTeamTurnier");
    cbPaarungshilfe = NeuerKnopf<QCheckBox>(seite, "cbPaarungshilfe");
    lbRundenanzahl = NeuesElement<QLabel>(seite, "lbRundenanzahl");
    ERundenAnzahl = NeuesZahlfeld(seite, "ERundenAnzahl");
    cbGruppen = NeuerKnopf<QCheckBox>(seite, "cbGruppen");

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
    cbTunierpunkte = NeuerKnopf<QCheckBox>(seite, "cbTunierpunkte");
    // The round points always count; the box exists for "Config.dat" only.
    connect(cbTunierpunkte, &QCheckBox::toggled, this, [this](bool an) {
        if (!an)
            cbTunierpunkte->setChecked(true);
    });
    cbArmeebewertung = NeuerKnopf<QCheckBox>(seite, "cbArmeebewertung");
    auto* art = new QWidget(seite);
    rbKlassisch = NeuerKnopf<QRadioButton>(art, "rbKlassisch");
    rbVergleichend = NeuerKnopf<QRadioButton>(art, "rbVergleichend");
    auto* artLayout = new QHBoxLayout(art);
    artLayout->setContentsMargins(20, 0, 0, 0);
    artLayout->addWidget(rbKlassisch);
    artLayout->addWidget(rbVergleichend);
    artLayout->addStretch();
    cbBemalung = NeuerKnopf<QCheckBox>(seite, "cbBemalung");
    cbQuiz = NeuerKnopf<QCheckBox>(seite, "cbQuiz");
    cbFairplay = NeuerKnopf<QCheckBox>(seite, "cbFairplay");
    cbSonstiges = NeuerKnopf<QCheckBox>(seite, "cbSonstiges");
    cbSzenario = NeuerKnopf<QCheckBox>(seite, "cbSzenario");
    EProzentTurnier = NeuesProzentfeld(seite, "EProzentTurnier");
    EProzentArmee = NeuesProzentfeld(seite, "EProzentArmee");
    EProzentBemalung = NeuesProzentfeld(seite, "EProzentBemalung");
    EProzentQuiz = NeuesProzentfeld(seite, "EProzentQuiz");
    EProzentFairplay = NeuesProzentfeld(seite, "EProzentFairplay");
    EProzentSonstige = NeuesProzentfeld(seite, "EProzentSonstige");

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
    bSiegpunktmatrix = NeuerKnopf<QCheckBox>(seite, "bSiegpunktmatrix");
    cbFairplayProSpiel = NeuerKnopf<QCheckBox>(seite, "cbFairplayProSpiel");
    cbSzenarioEingabe = NeuerKnopf<QCheckBox>(seite, "cbSzenarioEingabe");
    cbDruckMitSpielernummer = NeuerKnopf<QCheckBox>(seite, "cbDruckMitSpielernummer");
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
        const std::string werte[ConfigListenAnzahl] = {
            TrimText(spieler->Herkunft), TrimText(spieler->Team), TrimText(spieler->Armee)};
        for (int l = 0; l < ConfigListenAnzahl; ++l) {
            const TWerteListe& liste = WerteListe(static_cast<ConfigListe>(l));
            ErgaenzeWert(*liste.Beruecksichtigt, *liste.Neutral, werte[l]);
        }
    }
    for (int l = 0; l < ConfigListenAnzahl; ++l) {
        const TWerteListe& liste = WerteListe(static_cast<ConfigListe>(l));
        SortiereListe(*liste.Beruecksichtigt);
        SortiereListe(*liste.Neutral);
        Seite(static_cast<ConfigListe>(l))->Fuellen(*liste.Beruecksichtigt, *liste.Neutral);
    }

    for (const TOption& option : Optionen()) {
        if (option.Schalter && option.Partner)
            // Of two radio buttons declared one after the other, the second decides when both
            // options are on; when neither is, the first button ends up checked.
            Knopf(*option.Schalter ? option.Steuer : option.Partner)->setChecked(true);
        else if (option.Schalter)
            Knopf(option.Steuer)->setChecked(*option.Schalter);
        else if (option.Zahl)
            Zahlfeld(option.Steuer)->Setzen(*option.Zahl);
        else if (option.Faktor)
            Prozentfeld(option.Steuer)->setText(FloatToText(*option.Faktor * 100));
        else if (const auto an = BedingungErfuellt(option.Steuer))
            Knopf(option.Steuer)->setChecked(*an);
    }
}

void TDlgOptionen::OKClick() {
    // OK closes the dialog also when applying failed; the error has been shown.
    Guarded([this] { OKAnwenden(); });
    accept();
}

void TDlgOptionen::OKAnwenden() {
    // Both lists of a page become what its two boxes show, so that a value moved back from the
    // neutral box stops being neutral.
    for (int l = 0; l < ConfigListenAnzahl; ++l) {
        const TWerteListe& liste = WerteListe(static_cast<ConfigListe>(l));
        *liste.Neutral = OhneDoppelte(Seite(static_cast<ConfigListe>(l))->Rechts());
        *liste.Beruecksichtigt =
            OhneDoppelte(Seite(static_cast<ConfigListe>(l))->Links(), *liste.Neutral);
    }

    // In declaration order: a weight that is not a number ends OK there.
    bool matrixGeaendert = false, optionenGeaendert = false;
    for (const TOption& option : Optionen()) {
        if (option.Schalter) {
            const bool an = Knopf(option.Steuer)->isChecked() &&
                            (!option.Bedingung || Knopf(option.Bedingung)->isChecked());
            if (an != *option.Schalter) {
                matrixGeaendert |= option.Meldung == OptionMeldung::Matrix;
                optionenGeaendert |= option.Meldung == OptionMeldung::Optionen;
            }
            *option.Schalter = an;
        } else if (option.Zahl) {
            // A number outside the range (possible only from a loaded file) is not taken.
            const int wert = Zahlfeld(option.Steuer)->LetzterWert();
            if (wert >= option.Von && wert <= option.Bis)
                *option.Zahl = wert;
        } else if (option.Faktor) {
            *option.Faktor = TextToFloat(Prozentfeld(option.Steuer)->text()) / 100.0;
        }
    }
    if (Teamturnier)
        RundenAnzahl = std::min(RundenAnzahl, TeamRunden);

    // The result server's clients receive what changed with their next fetch.
    if (matrixGeaendert)
        ClientsNeedMatrix();
    if (optionenGeaendert)
        ClientsNeedOptions();
}

void TDlgOptionen::StandardLaden() {
    ConfigAdapter adapter(*this);
    LeseConfigDatei(ConfigDateiPfad(), adapter);
    for (const TOption& option : Optionen())
        if (option.BeimLadenAn)
            Knopf(option.Steuer)->setChecked(true);
}

void TDlgOptionen::StandardLaden1Click() {
    Guarded([this] { StandardLaden(); });
}

void TDlgOptionen::AlsStandardSpeichern1Click() {
    Guarded([this] { SchreibeConfigDatei(ConfigDateiPfad(), ConfigAdapter(*this)); });
}

QAbstractButton* TDlgOptionen::Knopf(const char* steuer) const {
    return findChild<QAbstractButton*>(steuer);
}

GanzzahlFeld* TDlgOptionen::Zahlfeld(const char* steuer) const {
    return findChild<QLineEdit*>(steuer)->findChild<GanzzahlFeld*>();
}

QLineEdit* TDlgOptionen::Prozentfeld(const char* steuer) const {
    return findChild<QLineEdit*>(steuer);
}

NeutralSeite* TDlgOptionen::Seite(ConfigListe liste) const {
    return findChild<NeutralSeite*>(WerteListe(liste).Seite);
}
