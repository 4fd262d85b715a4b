#include "core/Data.h"

#include "core/Optionen.h"
#include "core/Paarungen.h"
#include "translation/Translate.h"

#include <algorithm>

TObjectList<TSpieler> Spielerliste;
int AktuellerSpieltag = 1;
int RundenAnzahl;
FixedString<50> Turniername;
FixedString<30> T3TurnierID{"0"};
std::string Dateiname;
std::string ProgrammVerzeichnis;

bool GleicheArmeenBeachten;
bool KeinePaarungenMehrfach;
bool GleicheOrteBeachten;
bool NurNMalGegenArmee;
bool GleicheTeamsBeachten;
int MalGegenSelbeArmee;
int Toleranzen[5];
bool GruppenBeachten;

bool ErsteRundeNachArmeebewertung;
bool Teamturnier;
bool PaarungshilfeAnzeigen;
bool ArmeebewertungKlassisch;
bool ArmeebewertungVergleichend;
bool BemalungWerten;
bool QuizWerten;
bool FairplayWerten;
bool SonstigesWerten;
bool SzenarioWerten;
double FaktorTurnier;
double FaktorArmee;
double FaktorBemalung;
double FaktorQuiz;
double FaktorFairplay;
double FaktorSonstige;
bool FairplayProSpiel;
bool SzenarioEingabe;
bool DruckMitSpielernummer;

std::vector<std::string> OrteBeruecksichtigt;
std::vector<std::string> TeamsBeruecksichtigt;
std::vector<std::string> ArmeenBeruecksichtigt;
std::vector<std::string> OrteNeutral;
std::vector<std::string> TeamsNeutral;
std::vector<std::string> ArmeenNeutral;

namespace {
// The options take their built-in values from their declaration when the program loads.
[[maybe_unused]] const bool VorgabenGesetzt = (SetzeOptionenVorgaben(), true);
} // namespace

std::string TSpieler::GetName() const {
    std::string result;
    if (Vorname.size() > 1)
        result = Vorname.str() + " ";
    return result + Name.str();
}

std::string TSpieler::GetNameMitNick() const {
    std::string result;
    if (Vorname.size() > 1)
        result = Vorname.str() + " ";
    if (Nickname.size() > 1)
        result += "'" + Nickname.str() + "' ";
    return result + Name.str();
}

const TRundenErgebnis* TSpieler::Runde(int r) const {
    if (r < 1 || r > GetRundenAnzahl())
        return nullptr;
    return Runden[static_cast<size_t>(r - 1)].get();
}

TRundenErgebnis& TSpieler::RundeAnlegen(int r) {
    while (GetRundenAnzahl() < r)
        Runden.push_back(std::make_unique<TRundenErgebnis>());
    return *Runden[static_cast<size_t>(r - 1)];
}

int TSpieler::GetSiegpunkte(int r) const {
    return Runde(r) ? Runde(r)->Siegpunkte : 0;
}
int TSpieler::GetGegner(int r) const {
    return Runde(r) ? Runde(r)->Gegner : -1;
}
std::string TSpieler::GetGegnerArmee(int r) const {
    return Runde(r) ? Runde(r)->GegnerArmee.str() : std::string();
}
int TSpieler::GetPunkte(int r) const {
    return Runde(r) ? Runde(r)->Punkte : 0;
}
int TSpieler::GetSzenariopunkte(int r) const {
    return Runde(r) ? Runde(r)->Szenariopunkte : 0;
}
int TSpieler::GetArmeepunkte(int r) const {
    return Runde(r) ? Runde(r)->Armeepunkte : 0;
}
int TSpieler::GetFairplay(int r) const {
    return Runde(r) ? Runde(r)->Fairplay : 0;
}
int TSpieler::GetTisch(int r) const {
    return Runde(r) ? Runde(r)->Tisch : 0;
}

void TSpieler::SetSiegpunkte(int r, int value) {
    RundeAnlegen(r).Siegpunkte = value;
}
void TSpieler::SetGegner(int r, int value) {
    RundeAnlegen(r).Gegner = value;
}
void TSpieler::SetGegnerArmee(int r, const std::string& value) {
    RundeAnlegen(r).GegnerArmee = value;
}
void TSpieler::SetPunkte(int r, int value) {
    RundeAnlegen(r).Punkte = value;
}
void TSpieler::SetSzenariopunkte(int r, int value) {
    RundeAnlegen(r).Szenariopunkte = value;
}
void TSpieler::SetArmeepunkte(int r, int value) {
    RundeAnlegen(r).Armeepunkte = value;
}
void TSpieler::SetFairplay(int r, int value) {
    RundeAnlegen(r).Fairplay = value;
}
void TSpieler::SetTisch(int r, int value) {
    RundeAnlegen(r).Tisch = value;
}

namespace {

// Results and pairings of players deleted from the list still name their numbers.
bool WirdGenannt(int nummer) {
    const auto nenntIhn = [nummer](const auto& s) {
        return std::any_of(s->Runden.begin(), s->Runden.end(),
                           [nummer](const auto& e) { return e->Gegner == nummer; });
    };
    return std::any_of(Spielerliste.begin(), Spielerliste.end(), nenntIhn) ||
           FindePaarungVonSpieler(nummer) != nullptr;
}

} // namespace

int NeueStartnummer() {
    int candidate = static_cast<int>(Spielerliste.size()) + 1;
    while (FindeSpielerIndex(candidate) >= 0 || WirdGenannt(candidate))
        ++candidate;
    return candidate;
}

int FindeSpielerIndex(int startnummer) {
    for (size_t i = 0; i < Spielerliste.size(); ++i)
        if (Spielerliste[i]->Startnummer == startnummer)
            return static_cast<int>(i);
    return -1;
}

TSpieler* FindeSpieler(int startnummer) {
    const int index = FindeSpielerIndex(startnummer);
    return index < 0 ? nullptr : Spielerliste[static_cast<size_t>(index)].get();
}

std::string TrimText(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) < 33)
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) < 33)
        --e;
    return text.substr(b, e - b);
}

int FindeSpielerNachName(const std::string& name) {
    const std::string wanted = TrimText(name);
    for (size_t i = 0; i < Spielerliste.size(); ++i)
        if (TrimText(Spielerliste[i]->GetName()) == wanted)
            return static_cast<int>(i);
    return -1;
}

void InitTurnier() {
    AktuellerSpieltag = 1;
    SetzeOptionenVorgaben();
}

void RegistriereDatenTexte() {
    RegisterText(7, 1, "Dateiversion passt nicht zu dieser Tuvo Version!");
    RegisterText(7, 2, "Dateiversion ist: ");
    RegisterText(7, 3, "Erwartete Version ist: ");
    RegisterText(7, 4, "Abbruch!");
    RegisterText(7, 5,
                 " Spieler müssen an einem Tisch spielen, an dem sie schonmal gespielt haben.");
    RegisterText(7, 6,
                 " Spieler müssen in einer Gruppe spielen, in der sie nicht mehr spielen sollen.");
    RegisterText(7, 7, "keine Gruppe");
    RegisterText(7, 8, "Halvener Paarungs Programm");
    RegisterText(7, 9, "Achtung!");
    RegisterText(7, 10, "Gruppe ");
    RegisterText(7, 11, " hat eine ungerade Spieleranzahl.");
    RegisterText(7, 12, "Paaren nicht möglich!");
}
