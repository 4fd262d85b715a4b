// Imports arbitrary bytes as a player file. Every import must end in players with distinct start
// numbers and distinct display names, or in a run-time error; anything else is a finding.
#include "core/SpielerImport.h"
#include "core/Data.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>

namespace {

class Stumm : public MessageSeam {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    bool Ask(const std::string&, const std::string&) override { return false; }
    void ShowError(const std::string&) override {}
};

void Pruefe() {
    std::set<int> nummern;
    std::set<std::string> namen;
    for (const auto& s : Spielerliste)
        if (!nummern.insert(s->Startnummer).second || !namen.insert(TrimText(s->GetName())).second)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Stumm stumm;
    SetMessages(&stumm);
    static const auto datei = std::filesystem::temp_directory_path() /
                              ("fuzz-import-" + std::to_string(::getpid()) + ".tvi");
    {
        std::ofstream out(datei, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Spielerliste.clear();
    try {
        ImportiereSpieler(datei);
    } catch (const TuvonError&) {
    }
    Pruefe();
    return 0;
}
