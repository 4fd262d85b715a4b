#pragma once
// The tournament's data model at player level and the process-wide state every subsystem shares.
// Texts are Windows-1252; fixed-width fields cut longer values on assignment.
#include "platform/FixedString.h"

#include <memory>
#include <string>
#include <vector>

// Lists of the tournament own the objects in them.
template <class T> using TObjectList = std::vector<std::unique_ptr<T>>;

class TRundenErgebnis {
public:
    int Siegpunkte = 0;
    int Gegner = -1; // opponent's start number; -1 not paired; own number: a bye
    FixedString<30> GegnerArmee;
    int Punkte = 0;
    int Szenariopunkte = 0;
    int Armeepunkte = 0;
    int Fairplay = 0;
    int Tisch = 0;
};

class TSpieler {
public:
    int Startnummer = 0;
    FixedString<45> Name;
    FixedString<45> Vorname;
    FixedString<30> Nickname;
    FixedString<30> T3ID{"0"};
    FixedString<10> T3Zusatz{" "};
    FixedString<45> Kommentar;
    int Armeebewertung = 0;
    int Bemalung = 0;
    int Quiz = 0;
    int Fairplay = 0;
    int FairplayGesamt = 0;
    int Sonstiges = 0;
    int Gesamtpunkte = 0;
    double Gesamtwertung = 0.0;
    int Siegpunktdifferenz = 0;
    FixedString<30> Armee;
    FixedString<30> PaarungsArmee;
    FixedString<20> Herkunft{"Neutral"};
    FixedString<30> Team{"Neutral"};
    int TeamNr = -1;
    FixedString<20> PaarungsHerkunft;
    FixedString<30> PaarungsTeam;
    int Gruppe = 0;
    bool Gepaart = false;
    bool Geloescht = false;
    int ArchivID = -1;
    int ArmeelisteStatus = 0;
    bool Bezahlt = false;
    bool Gemeldet = false;
    int Platz = 0;
    int Punktesumme = 0;
    int Partner = -1;
    TObjectList<TRundenErgebnis> Runden; // round r at index r-1

    std::string GetName() const;
    std::string GetNameMitNick() const;
    int GetRundenAnzahl() const { return static_cast<int>(Runden.size()); }

    // Round r (1-based); rounds not stored answer the defaults (Gegner -1, texts empty, else 0).
    int GetSiegpunkte(int r) const;
    int GetGegner(int r) const;
    std::string GetGegnerArmee(int r) const;
    int GetPunkte(int r) const;
    int GetSzenariopunkte(int r) const;
    int GetArmeepunkte(int r) const;
    int GetFairplay(int r) const;
    int GetTisch(int r) const;

    // Round r (1-based); empty rounds are appended until round r exists.
    void SetSiegpunkte(int r, int value);
    void SetGegner(int r, int value);
    void SetGegnerArmee(int r, const std::string& value);
    void SetPunkte(int r, int value);
    void SetSzenariopunkte(int r, int value);
    void SetArmeepunkte(int r, int value);
    void SetFairplay(int r, int value);
    void SetTisch(int r, int value);

    // The stored round r, or nullptr.
    const TRundenErgebnis* Runde(int r) const;
    // Round r, appended empty rounds first when needed. r must be 1 or more.
    TRundenErgebnis& RundeAnlegen(int r);
};

// ---- Process-wide state ------------------------------------------------------------------------

// The most rounds a tournament can have; the options dialog and the tournament file keep
// RundenAnzahl and AktuellerSpieltag within 1 to this.
constexpr int HoechsteRundenAnzahl = 99;

extern TObjectList<TSpieler> Spielerliste;
extern int AktuellerSpieltag;
extern int RundenAnzahl;
extern FixedString<50> Turniername;
extern FixedString<30> T3TurnierID;
extern std::string Dateiname;           // path of the current tournament file (UTF-8)
extern std::string ProgrammVerzeichnis; // without a trailing separator (UTF-8)

// The options; their built-in values, "Config.dat" lines and dialog controls are declared in
// core/Optionen.h.
// Pairing rules 0..4 and their tolerances, indexed by rule number.
extern bool GleicheArmeenBeachten;  // rule 0
extern bool KeinePaarungenMehrfach; // rule 1
extern bool GleicheOrteBeachten;    // rule 2
extern bool NurNMalGegenArmee;      // rule 3
extern bool GleicheTeamsBeachten;   // rule 4
extern int MalGegenSelbeArmee;
extern int Toleranzen[5];
extern bool GruppenBeachten;

extern bool ErsteRundeNachArmeebewertung;
extern bool Teamturnier;
extern bool PaarungshilfeAnzeigen;
extern bool ArmeebewertungKlassisch;
extern bool ArmeebewertungVergleichend;
extern bool BemalungWerten;
extern bool QuizWerten;
extern bool FairplayWerten;
extern bool SonstigesWerten;
extern bool SzenarioWerten;
extern double FaktorTurnier;
extern double FaktorArmee;
extern double FaktorBemalung;
extern double FaktorQuiz;
extern double FaktorFairplay;
extern double FaktorSonstige;
extern bool FairplayProSpiel;
extern bool SzenarioEingabe;
extern bool DruckMitSpielernummer;

extern std::vector<std::string> OrteBeruecksichtigt;
extern std::vector<std::string> TeamsBeruecksichtigt;
extern std::vector<std::string> ArmeenBeruecksichtigt;
extern std::vector<std::string> OrteNeutral;
extern std::vector<std::string> TeamsNeutral;
extern std::vector<std::string> ArmeenNeutral;

// ---- Operations --------------------------------------------------------------------------------

// The smallest number from the player count plus 1 upward that no player has and that no stored
// result or pairing of the round names (a removed player's number is not given out again).
int NeueStartnummer();
// Index in Spielerliste of the first player with that start number, or -1.
int FindeSpielerIndex(int startnummer);
// Index of the first player whose GetName equals the text, both trimmed of blanks and control
// characters (codes below 33); case-sensitive; -1 when none.
int FindeSpielerNachName(const std::string& name);
// The player with that start number, or nullptr.
TSpieler* FindeSpieler(int startnummer);
// AktuellerSpieltag 1, every option at its built-in value and the value lists empty.
void InitTurnier();
// Registers the texts of section 7.
void RegistriereDatenTexte();

// Removes leading and trailing characters with codes below 33.
std::string TrimText(const std::string& text);
