#include "core/Turnierdatei.h"

#include "core/Data.h"
#include "core/TurnierStand.h"
#include "core/TurnierdateiKopf.h"
#include "core/TurnierdateiSpieler.h"
#include "platform/LineFile.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

namespace {

std::filesystem::path DateiPfad() {
    return std::filesystem::path(std::u8string(Dateiname.begin(), Dateiname.end()));
}

// Start numbers must stay unique: a number already read goes to the first free one from the
// count read so far plus one.
int FreieStartnummer(const std::unordered_set<int>& vergeben, std::size_t gelesen) {
    int nummer = static_cast<int>(gelesen) + 1;
    while (vergeben.count(nummer))
        ++nummer;
    return nummer;
}

void LeseSpielerliste(TBinaerLeser& in, int version, TObjectList<TSpieler>& spieler) {
    const int anzahl = in.Int32();
    if (anzahl < 1)
        return;
    if (static_cast<std::size_t>(anzahl) > in.Rest() / SpielerMindestgroesse(version))
        in.Beschaedigt();
    std::unordered_set<int> vergeben;
    for (int i = 0; i < anzahl; ++i) {
        auto s = LeseSpieler(in, version);
        if (vergeben.count(s->Startnummer))
            s->Startnummer = FreieStartnummer(vergeben, spieler.size());
        vergeben.insert(s->Startnummer);
        spieler.push_back(std::move(s));
    }
}

} // namespace

std::string TurnierdateiBytes() {
    TBinaerSchreiber out;
    out.Reserve(4096 + Spielerliste.size() * (349 + 10 * 59));
    out.Int32(TurnierdateiVersion);
    SchreibeKopf(out);
    out.Int32(static_cast<std::int32_t>(Spielerliste.size()));
    for (const auto& spieler : Spielerliste)
        SchreibeSpieler(out, *spieler);
    return out.Take();
}

void SpeichereTurnier() {
    WriteFileAtomically(DateiPfad(), TurnierdateiBytes());
}

void LadeTurnierdatei(std::string_view bytes, const std::string& dateiText) {
    TBinaerLeser in(bytes, dateiText);
    // Versions start at 1: a lower one (a file of zero bytes, say) is no tournament file.
    const int gelesen = in.Int32();
    if (gelesen < 1)
        in.Beschaedigt();
    const int version = std::min(gelesen, TurnierdateiVersion);
    TTurnierStand stand = ErfasseTurnierStand();
    LeseKopf(in, version, stand);
    LeseSpielerliste(in, version, stand.Spieler);
    UebernehmeTurnierStand(std::move(stand));
}

void LadeTurnier() {
    const std::filesystem::path datei = DateiPfad();
    const std::string bytes = ReadFileBytes(datei);
    LadeTurnierdatei(bytes, PathText(datei));
}
