#pragma once
// Every option of the tournament, declared once: the variable it lives in, its built-in value,
// its line in "Config.dat" and its control in the options dialog. The built-in values of a new
// tournament, "Config.dat", the options dialog and the tests' fresh state all work from this list.
#include <climits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// ZEILE(feld, ...) declares an option with a line of "Config.dat", in file order (lines 2 to 21);
// OPTION(...) one without. The arguments name the fields of TOption below, in their order.
// The dialog applies OK row by row: the percent weights, which may fail, come after every
// option that must be applied whatever they hold, and before those that must not.
// clang-format off
#define TUVON_OPTIONEN(ZEILE, OPTION)                                                              \
    ZEILE(Armeen,                .Schalter = &GleicheArmeenBeachten, .Steuer = "cbArmeen", .Vorgabe = 1) \
    ZEILE(ArmeenToleranz,        .Zahl = &Toleranzen[0], .Steuer = "EArmeen")                      \
    ZEILE(Gleiche,               .Schalter = &KeinePaarungenMehrfach, .Steuer = "cbGleiche", .Vorgabe = 1) \
    ZEILE(GleicheToleranz,       .Zahl = &Toleranzen[1], .Steuer = "EGleiche")                     \
    ZEILE(Orte,                  .Schalter = &GleicheOrteBeachten, .Steuer = "cbOrte", .Vorgabe = 1) \
    ZEILE(OrteToleranz,          .Zahl = &Toleranzen[2], .Steuer = "EOrte")                        \
    ZEILE(GleicheArmeen,         .Schalter = &NurNMalGegenArmee, .Steuer = "cbGleicheArmeen", .Vorgabe = 1) \
    ZEILE(MalGegenArmee,         .Zahl = &MalGegenSelbeArmee, .Steuer = "ETimesAgainstArmy",       \
                                 .Vorgabe = 2, .Von = 1, .Bis = 4)                                 \
    ZEILE(GleicheArmeenToleranz, .Zahl = &Toleranzen[3], .Steuer = "EGleicheArmeen")               \
    ZEILE(Teams,                 .Schalter = &GleicheTeamsBeachten, .Steuer = "cbTeams", .Vorgabe = 1) \
    ZEILE(TeamsToleranz,         .Zahl = &Toleranzen[4], .Steuer = "ETeams")                       \
    /* The round points always count: the box only keeps its line. */                            \
    ZEILE(Tunierpunkte,          .Steuer = "cbTunierpunkte", .Vorgabe = 1)                         \
    /* The condition of both kinds of army rating. */                                             \
    ZEILE(Armeebewertung,        .Steuer = "cbArmeebewertung", .Vorgabe = 1)                       \
    ZEILE(Klassisch,             .Schalter = &ArmeebewertungKlassisch, .Steuer = "rbKlassisch",    \
                                 .Partner = "rbVergleichend", .Bedingung = "cbArmeebewertung", .Vorgabe = 1) \
    ZEILE(Vergleichend,          .Schalter = &ArmeebewertungVergleichend, .Steuer = "rbVergleichend", \
                                 .Partner = "rbKlassisch", .Bedingung = "cbArmeebewertung")        \
    ZEILE(Bemalung,              .Schalter = &BemalungWerten, .Steuer = "cbBemalung")              \
    ZEILE(Quiz,                  .Schalter = &QuizWerten, .Steuer = "cbQuiz")                      \
    ZEILE(Fairplay,              .Schalter = &FairplayWerten, .Steuer = "cbFairplay")              \
    ZEILE(Sonstiges,             .Schalter = &SonstigesWerten, .Steuer = "cbSonstiges")            \
    ZEILE(Szenario,              .AbVersion = 2, .Schalter = &SzenarioWerten, .Steuer = "cbSzenario") \
    OPTION(.Schalter = &ErsteRundeNachArmeebewertung, .Steuer = "rbArmeebewertung",               \
           .Partner = "rbZufaellig", .Vorgabe = 1)                                                 \
    OPTION(.Schalter = &Teamturnier, .Steuer = "cbTeamTurnier")                                    \
    OPTION(.Schalter = &PaarungshilfeAnzeigen, .Steuer = "cbPaarungshilfe")                        \
    OPTION(.Schalter = &GruppenBeachten, .Steuer = "cbGruppen")                                    \
    OPTION(.Faktor = &FaktorTurnier, .Steuer = "EProzentTurnier", .Vorgabe = 1)                    \
    OPTION(.Faktor = &FaktorFairplay, .Steuer = "EProzentFairplay", .Vorgabe = 1)                  \
    OPTION(.Faktor = &FaktorQuiz, .Steuer = "EProzentQuiz", .Vorgabe = 1)                          \
    OPTION(.Faktor = &FaktorBemalung, .Steuer = "EProzentBemalung", .Vorgabe = 1)                  \
    OPTION(.Faktor = &FaktorSonstige, .Steuer = "EProzentSonstige", .Vorgabe = 1)                  \
    OPTION(.Faktor = &FaktorArmee, .Steuer = "EProzentArmee", .Vorgabe = 1)                        \
    OPTION(.Zahl = &RundenAnzahl, .Steuer = "ERundenAnzahl", .Vorgabe = 5, .Von = 1,               \
           .Bis = HoechsteRundenAnzahl)                                                            \
    OPTION(.Schalter = &SiegpunktmatrixBenutzen, .Steuer = "bSiegpunktmatrix",                     \
           .Meldung = OptionMeldung::Matrix)                                                       \
    /* A new tournament enters fair play and scenario points; the boxes start unchecked and */     \
    /* every "Standard Laden" checks them. */                                                     \
    OPTION(.Schalter = &FairplayProSpiel, .Steuer = "cbFairplayProSpiel", .Vorgabe = 1,            \
           .SteuerVorgabe = 0, .Meldung = OptionMeldung::Optionen, .BeimLadenAn = true)            \
    OPTION(.Schalter = &SzenarioEingabe, .Steuer = "cbSzenarioEingabe", .Vorgabe = 1,              \
           .SteuerVorgabe = 0, .Meldung = OptionMeldung::Optionen, .BeimLadenAn = true)            \
    OPTION(.Schalter = &DruckMitSpielernummer, .Steuer = "cbDruckMitSpielernummer", .Vorgabe = 1,  \
           .SteuerVorgabe = 0)
// clang-format on

#define TUVON_CONFIG_FELD(feld, ...) feld,
#define TUVON_KEIN_FELD(...)
#define TUVON_EIN_FELD(feld, ...) +1
// The lines 2 to 21 of "Config.dat", in file order.
enum class ConfigFeld { TUVON_OPTIONEN(TUVON_CONFIG_FELD, TUVON_KEIN_FELD) };
constexpr int ConfigFeldAnzahl = 0 TUVON_OPTIONEN(TUVON_EIN_FELD, TUVON_KEIN_FELD);
#undef TUVON_CONFIG_FELD
#undef TUVON_KEIN_FELD
#undef TUVON_EIN_FELD

// Whom the result server tells when the option changes.
enum class OptionMeldung { Keine, Matrix, Optionen };

struct TOption {
    std::optional<ConfigFeld> Feld{}; // its line in "Config.dat"
    int AbVersion = 0;                // older files lack the line
    // The variable: a switch, an integer, or a weight shown and typed as percent. A control
    // without one keeps its line in "Config.dat", or is the condition of others.
    bool* Schalter = nullptr;
    int* Zahl = nullptr;
    double* Faktor = nullptr;
    const char* Steuer = nullptr;          // the options dialog's control
    const char* Partner = nullptr;         // radio button checked instead when the option is off
    const char* Bedingung = nullptr;       // check box without which the option is off
    double Vorgabe = 0;                    // of a new tournament, and the control's as created
    std::optional<double> SteuerVorgabe{}; // the control's as created, where it differs
    int Von = INT_MIN;                     // an integer outside Von..Bis is not taken
    int Bis = INT_MAX;
    OptionMeldung Meldung = OptionMeldung::Keine;
    bool BeimLadenAn = false; // checked by every load of "Config.dat"

    bool IstSchalter() const { return Zahl == nullptr && Faktor == nullptr; }
    bool HatBereich() const { return Von != INT_MIN || Bis != INT_MAX; }
    double SteuerStart() const { return SteuerVorgabe.value_or(Vorgabe); }
};

// The rows in declaration order; the first ConfigFeldAnzahl are the lines of "Config.dat".
std::span<const TOption> Optionen();
const TOption& Option(ConfigFeld feld);
// The row of the dialog control; the name must be declared.
const TOption& OptionMitSteuer(std::string_view steuer);

// The three value lists of origins, teams and armies: the neutral ones are kept in "Config.dat"
// as well, and each pair has a page of the dialog.
enum class ConfigListe { Orte, Teams, Armeen };
constexpr int ConfigListenAnzahl = 3;

struct TWerteListe {
    std::vector<std::string>* Beruecksichtigt;
    std::vector<std::string>* Neutral;
    const char* Seite;
    const char* Links;  // list box of the considered values
    const char* Rechts; // list box of the neutral values
    const char* NachRechts;
    const char* NachLinks;
};
const TWerteListe& WerteListe(ConfigListe liste);

// Every option to its built-in value, the value lists empty: the state of a new tournament.
void SetzeOptionenVorgaben();
