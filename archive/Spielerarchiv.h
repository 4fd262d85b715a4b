#pragma once
// The player archive: every person who took part in a stored tournament, with their past
// tournaments, kept in "Archiv.dat" in the program's directory.
//
// "Archiv.dat": text, one value per line, CR LF, Windows-1252, numbers in decimal.
//   version ("2"; version 1 has no team line)
//   number of persons N, then N times:
//     Name, Id, Extra, Herkunft, Team (version 2 only), number of tournaments T, then T times:
//       Name, Armee, Platz, Punkte, number of rounds R, then R pairs: Gegner, Ergebnis
// Nothing follows the last block.
#include "core/Data.h"

#include <array>
#include <filesystem>
#include <string>

// One stored tournament of one person.
class TTurnier {
public:
    static constexpr int RundenPlaetze = 5;

    std::string Name;
    std::string Armee;
    int Punkte = 0;
    int Platz = 0;
    int Runden = 0; // 0..RundenPlaetze: the rounds stored in the slots below
    // Round r at index r-1: the opponent's archive id (KeinGegner when the round had none) and
    // the tournament points of the round.
    std::array<int, RundenPlaetze> Gegner{};
    std::array<int, RundenPlaetze> Ergebnis{};

    static constexpr int KeinGegner = -1;
};

// A known person. Id equals the person's position in the archive.
class TPerson {
public:
    int Id = 0;
    std::string Name;
    std::string Armee; // army of the last tournament read from the file; never written
    std::string Extra; // read and written back unchanged
    std::string Herkunft;
    std::string Team{"Neutral"};
    TObjectList<TTurnier> Turniere;

    int Count() const { return static_cast<int>(Turniere.size()); }
};

// One row of the all-time ranking.
class TPlayerForArchiv {
public:
    std::string Name;
    int Id = 0;
    int Siege = 0;
    int Unentschieden = 0;
    int Niederlagen = 0;
    int Punkte = 0;
    int Turniere = 0;
    int BestPlatz = 10000000;
    int SchlechtPlatz = 0;
    int PlatzSumme = 0;
};

class TArchiv {
public:
    TObjectList<TPerson> Personen;
    // The file whose last reading failed, empty after a whole read. Such an archive holds only
    // the persons before the fault: written back, it would lose the rest of the file for good.
    std::filesystem::path NichtGanzGelesen;

    // Replaces the persons by those of the file. A failure (EInOutError for an unreadable file,
    // a missing or non-numeric number line; EFileFormatError for an unknown version) keeps the
    // persons read completely before it and sets NichtGanzGelesen.
    void LoadFromFile(const std::filesystem::path& file);
    // Writes every person as version 2. The old file is replaced only once everything was
    // written; on failure it stays as it was.
    void SaveToFile(const std::filesystem::path& file) const;
    // Position of the first person whose trimmed name equals the trimmed text (case-sensitive),
    // or -1.
    int FindPerson(const std::string& name) const;
    // Links every player of Spielerliste without ArchivID to the person of its display name,
    // creating persons as needed.
    void LinkPlayers();
    // Puts Spielerliste into standings order (scores as last computed) and appends a record of
    // the current tournament to the person of every player, deleted ones included. Only the
    // rounds before the first one with negative points are stored, at most five; a round
    // without opponent stores TTurnier::KeinGegner. Every player must be linked: when one is
    // not, TuvonError is raised before any record is appended.
    void AddTournament(const std::string& name);
    // Rebuilds PlayerList from the persons.
    void BuildPlayerList() const;
};

extern TArchiv Archiv;
extern TObjectList<TPlayerForArchiv> PlayerList;

// Points descending, then fewer tournaments first.
void SortPlayerList();

// "Archiv.dat" in ProgrammVerzeichnis.
std::filesystem::path ArchivDatei();

// Start-up: an empty archive (NichtGanzGelesen cleared) and ranking, then the file read and the
// ranking built when the file exists. A failure is raised after the persons read before it were
// kept.
void ArchivStarten();
