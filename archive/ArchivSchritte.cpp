#include "archive/ArchivSchritte.h"

#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "platform/Convert.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"

#include <memory>
#include <utility>

namespace {

// What a store may change: the persons, their tournaments and the players' links.
class ArchivStand {
public:
    ArchivStand() : personen_(Archiv.Personen.size()) {
        for (const auto& person : Archiv.Personen)
            turniere_.push_back(person->Turniere.size());
        for (const auto& spieler : Spielerliste)
            links_.emplace_back(spieler.get(), spieler->ArchivID);
    }

    void Zuruecksetzen() const {
        for (const auto& [spieler, id] : links_)
            spieler->ArchivID = id;
        Archiv.Personen.resize(personen_);
        for (size_t i = 0; i < personen_; ++i)
            Archiv.Personen[i]->Turniere.resize(turniere_[i]);
    }

private:
    size_t personen_;
    std::vector<size_t> turniere_;
    std::vector<std::pair<TSpieler*, int>> links_;
};

} // namespace

void TurnierArchivieren(const std::string& name, const std::filesystem::path& datei) {
    if (!Archiv.NichtGanzGelesen.empty())
        throw TuvonError("Das Turnier wurde nicht ins Archiv übernommen: die Archivdatei \"" +
                         PathText(Archiv.NichtGanzGelesen) +
                         "\" konnte beim Start nicht ganz gelesen werden, und Speichern würde "
                         "alles nach dem Fehler löschen. Bitte die Datei erst reparieren oder "
                         "an einen anderen Ort verschieben und das Programm neu starten.");
    const ArchivStand vorher;
    try {
        Archiv.LinkPlayers();
        Archiv.AddTournament(name);
        Archiv.SaveToFile(datei);
    } catch (...) {
        vorher.Zuruecksetzen();
        throw;
    }
}

std::vector<std::string> Ranglistenzeilen() {
    Archiv.BuildPlayerList();
    SortPlayerList();
    std::vector<std::string> zeilen;
    for (const auto& z : PlayerList)
        zeilen.push_back(z->Name + "(" + IntToStr(z->Punkte) + "/" + IntToStr(z->Turniere) + ")(" +
                         IntToStr(z->Siege) + "/" + IntToStr(z->Unentschieden) + "/" +
                         IntToStr(z->Niederlagen) + ")");
    return zeilen;
}

void SpielerAusArchiv(const std::vector<std::string>& namen) {
    for (const std::string& name : namen) {
        const int i = Archiv.FindPerson(name);
        if (i < 0)
            continue;
        const TPerson& person = *Archiv.Personen[static_cast<size_t>(i)];
        auto spieler = std::make_unique<TSpieler>();
        spieler->Name = person.Name;
        spieler->ArchivID = person.Id;
        spieler->Herkunft = person.Herkunft;
        spieler->Armee = person.Armee;
        spieler->Startnummer = NeueStartnummer();
        Spielerliste.push_back(std::move(spieler));
    }
}
