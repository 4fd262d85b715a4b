#include "archive/Spielerarchiv.h"

#include "core/Wertung.h"
#include "platform/Convert.h"
#include "platform/Cp1252.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"

#include <algorithm>

TArchiv Archiv;
TObjectList<TPlayerForArchiv> PlayerList;

namespace {

// Reads the file's lines one by one; a number line that fails is the platform's I/O error.
class ArchivLeser {
public:
    explicit ArchivLeser(const std::filesystem::path& file) : reader_(file) {}

    std::string Text() { return reader_.NextLine(); }

    int Zahl() {
        const std::string line = Text();
        int value = 0;
        if (!TryStrToInt(line, value))
            throw EInOutError("Ungültige numerische Eingabe in Zeile " +
                              IntToStr(reader_.LineNumber()) + " (\"" + TextFuerMeldung(line) +
                              "\"): " + PathText(reader_.FileName()));
        return value;
    }

private:
    LineReader reader_;
};

std::unique_ptr<TTurnier> LeseTurnier(ArchivLeser& in, TPerson& person) {
    auto turnier = std::make_unique<TTurnier>();
    turnier->Name = in.Text();
    turnier->Armee = in.Text();
    person.Armee = turnier->Armee;
    turnier->Platz = in.Zahl();
    turnier->Punkte = in.Zahl();
    // Every pair in the file is read to stay in step with it; pairs beyond the slots are dropped.
    const int paare = in.Zahl();
    for (int r = 1; r <= paare; ++r) {
        const int gegner = in.Zahl();
        const int ergebnis = in.Zahl();
        if (r <= TTurnier::RundenPlaetze) {
            turnier->Gegner[static_cast<size_t>(r - 1)] = gegner;
            turnier->Ergebnis[static_cast<size_t>(r - 1)] = ergebnis;
            turnier->Runden = r;
        }
    }
    return turnier;
}

std::unique_ptr<TPerson> LesePerson(ArchivLeser& in, int version) {
    auto person = std::make_unique<TPerson>();
    person->Name = in.Text();
    person->Id = in.Zahl();
    person->Extra = in.Text();
    person->Herkunft = in.Text();
    person->Team = version > 1 ? in.Text() : std::string("Neutral");
    const int anzahl = in.Zahl();
    for (int t = 0; t < anzahl; ++t)
        person->Turniere.push_back(LeseTurnier(in, *person));
    return person;
}

void SchreibeZeile(std::string& out, const std::string& line) {
    out += line;
    out += "\r\n";
}

int Runden(const TTurnier& turnier) {
    return std::clamp(turnier.Runden, 0, TTurnier::RundenPlaetze);
}

} // namespace

void TArchiv::LoadFromFile(const std::filesystem::path& file) {
    Personen.clear();
    NichtGanzGelesen = file;
    ArchivLeser in(file);
    const int version = in.Zahl();
    if (version != 1 && version != 2)
        throw EFileFormatError("Unbekannte Archivversion " + IntToStr(version) + ": " +
                               PathText(file));
    const int anzahl = in.Zahl();
    for (int p = 0; p < anzahl; ++p)
        Personen.push_back(LesePerson(in, version));
    NichtGanzGelesen.clear();
}

void TArchiv::SaveToFile(const std::filesystem::path& file) const {
    std::string out;
    SchreibeZeile(out, "2");
    SchreibeZeile(out, IntToStr(static_cast<long long>(Personen.size())));
    for (const auto& person : Personen) {
        SchreibeZeile(out, person->Name);
        SchreibeZeile(out, IntToStr(person->Id));
        SchreibeZeile(out, person->Extra);
        SchreibeZeile(out, person->Herkunft);
        SchreibeZeile(out, person->Team);
        SchreibeZeile(out, IntToStr(person->Count()));
        for (const auto& turnier : person->Turniere) {
            SchreibeZeile(out, turnier->Name);
            SchreibeZeile(out, turnier->Armee);
            SchreibeZeile(out, IntToStr(turnier->Platz));
            SchreibeZeile(out, IntToStr(turnier->Punkte));
            SchreibeZeile(out, IntToStr(Runden(*turnier)));
            for (int r = 0; r < Runden(*turnier); ++r) {
                SchreibeZeile(out, IntToStr(turnier->Gegner[static_cast<size_t>(r)]));
                SchreibeZeile(out, IntToStr(turnier->Ergebnis[static_cast<size_t>(r)]));
            }
        }
    }
    WriteFileAtomically(file, out);
}

int TArchiv::FindPerson(const std::string& name) const {
    const std::string wanted = TrimText(name);
    for (size_t i = 0; i < Personen.size(); ++i)
        if (TrimText(Personen[i]->Name) == wanted)
            return static_cast<int>(i);
    return -1;
}

void TArchiv::LinkPlayers() {
    for (auto& spieler : Spielerliste) {
        if (spieler->ArchivID >= 0)
            continue;
        const int i = FindPerson(spieler->GetName());
        if (i >= 0) {
            spieler->ArchivID = i;
            continue;
        }
        auto person = std::make_unique<TPerson>();
        person->Name = spieler->GetName();
        person->Herkunft = spieler->Herkunft;
        person->Team = spieler->Team;
        person->Id = static_cast<int>(Personen.size());
        spieler->ArchivID = person->Id;
        Personen.push_back(std::move(person));
    }
}

namespace {

std::unique_ptr<TTurnier> TurnierAus(const TSpieler& spieler, const std::string& name, int platz) {
    auto turnier = std::make_unique<TTurnier>();
    turnier->Punkte = spieler.Gesamtpunkte;
    turnier->Armee = spieler.Armee;
    turnier->Name = name;
    turnier->Platz = platz;
    const int runden = std::min(spieler.GetRundenAnzahl(), TTurnier::RundenPlaetze);
    for (int r = 1; r <= runden; ++r) {
        // Negative points mark a round without result: it and every later one are left out.
        if (spieler.GetPunkte(r) < 0)
            break;
        const int gegner = FindeSpielerIndex(spieler.GetGegner(r));
        turnier->Gegner[static_cast<size_t>(r - 1)] =
            gegner >= 0 ? Spielerliste[static_cast<size_t>(gegner)]->ArchivID
                        : TTurnier::KeinGegner;
        turnier->Ergebnis[static_cast<size_t>(r - 1)] = spieler.GetPunkte(r);
        turnier->Runden = r;
    }
    return turnier;
}

} // namespace

void TArchiv::AddTournament(const std::string& name) {
    SortiereTabelle();
    // All records are built first: a store that stopped halfway would leave records behind that
    // the next store appends again.
    std::vector<std::pair<TPerson*, std::unique_ptr<TTurnier>>> neu;
    for (size_t i = 0; i < Spielerliste.size(); ++i) {
        const TSpieler& spieler = *Spielerliste[i];
        if (spieler.ArchivID < 0 || spieler.ArchivID >= static_cast<int>(Personen.size()))
            throw TuvonError("Der Spieler " + TextFuerMeldung(spieler.GetName()) +
                             " ist mit keiner Person des Archivs verbunden");
        neu.emplace_back(Personen[static_cast<size_t>(spieler.ArchivID)].get(),
                         TurnierAus(spieler, name, static_cast<int>(i) + 1));
    }
    for (auto& [person, turnier] : neu)
        person->Turniere.push_back(std::move(turnier));
}

void TArchiv::BuildPlayerList() const {
    PlayerList.clear();
    for (const auto& person : Personen) {
        auto zeile = std::make_unique<TPlayerForArchiv>();
        zeile->Name = person->Name;
        zeile->Id = person->Id;
        zeile->Turniere = person->Count();
        for (const auto& turnier : person->Turniere) {
            zeile->Punkte += turnier->Punkte;
            zeile->BestPlatz = std::min(zeile->BestPlatz, turnier->Platz);
            zeile->SchlechtPlatz = std::max(zeile->SchlechtPlatz, turnier->Platz);
            zeile->PlatzSumme += turnier->Platz;
            for (int r = 0; r < Runden(*turnier); ++r) {
                const int ergebnis = turnier->Ergebnis[static_cast<size_t>(r)];
                if (ergebnis > 10)
                    ++zeile->Siege;
                else if (ergebnis == 10)
                    ++zeile->Unentschieden;
                else
                    ++zeile->Niederlagen;
            }
        }
        PlayerList.push_back(std::move(zeile));
    }
}

void SortPlayerList() {
    std::sort(PlayerList.begin(), PlayerList.end(), [](const auto& a, const auto& b) {
        if (a->Punkte != b->Punkte)
            return a->Punkte > b->Punkte;
        return a->Turniere < b->Turniere;
    });
}

std::filesystem::path ArchivDatei() {
    return std::filesystem::path(ProgrammVerzeichnis) / "Archiv.dat";
}

void ArchivStarten() {
    Archiv = TArchiv{};
    PlayerList.clear();
    const auto file = ArchivDatei();
    std::error_code ec;
    // A file whose presence cannot be told is read, so that the reader reports why.
    if (!std::filesystem::exists(file, ec) && !ec)
        return;
    Archiv.LoadFromFile(file);
    Archiv.BuildPlayerList();
}
