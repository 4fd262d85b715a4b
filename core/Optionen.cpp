#include "core/Optionen.h"

#include "core/Data.h"
#include "core/Siegpunktmatrix.h"

#include <stdexcept>

namespace {

#define TUVON_ZEILE(feld, ...) TOption{.Feld = ConfigFeld::feld, __VA_ARGS__},
#define TUVON_OPTION(...) TOption{__VA_ARGS__},
constexpr TOption Tabelle[] = {TUVON_OPTIONEN(TUVON_ZEILE, TUVON_OPTION)};
#undef TUVON_ZEILE
#undef TUVON_OPTION

constexpr bool ZeilenInDateiOrdnung() {
    for (int i = 0; i < ConfigFeldAnzahl; ++i)
        if (Tabelle[i].Feld != static_cast<ConfigFeld>(i))
            return false;
    return true;
}
static_assert(ZeilenInDateiOrdnung(), "the lines of Config.dat come first, in file order");

const TWerteListe Listen[ConfigListenAnzahl] = {
    {&OrteBeruecksichtigt, &OrteNeutral, "tbOrte", "lbBeruecksichtigt", "lbNeutral", "btToRight",
     "btToLeft"},
    {&TeamsBeruecksichtigt, &TeamsNeutral, "tbTeams", "lbTeamBeruecksichtigt", "lbTeamNeutral",
     "btTeamToRight", "btTeamToLeft"},
    {&ArmeenBeruecksichtigt, &ArmeenNeutral, "TabSheet3", "lbArmeeBeruecksichtigt",
     "lbArmeeNeutral", "btArmeeToRight", "btArmeeToLeft"},
};

} // namespace

std::span<const TOption> Optionen() {
    return Tabelle;
}

const TOption& Option(ConfigFeld feld) {
    return Tabelle[static_cast<int>(feld)];
}

const TOption& OptionMitSteuer(std::string_view steuer) {
    for (const TOption& option : Tabelle)
        if (steuer == option.Steuer)
            return option;
    throw std::logic_error("no option has the control " + std::string(steuer));
}

const TWerteListe& WerteListe(ConfigListe liste) {
    return Listen[static_cast<int>(liste)];
}

void SetzeOptionenVorgaben() {
    for (const TOption& option : Tabelle) {
        if (option.Schalter)
            *option.Schalter = option.Vorgabe != 0;
        if (option.Zahl)
            *option.Zahl = static_cast<int>(option.Vorgabe);
        if (option.Faktor)
            *option.Faktor = option.Vorgabe;
    }
    for (const TWerteListe& liste : Listen) {
        liste.Beruecksichtigt->clear();
        liste.Neutral->clear();
    }
}
