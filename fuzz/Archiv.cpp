// Reads arbitrary bytes as "Archiv.dat". A file that reads must write and read back to the same
// bytes; any other outcome than a run-time error is a finding.
#include "archive/Spielerarchiv.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path Pfad(const char* name) {
    return std::filesystem::temp_directory_path() /
           ("fuzz-archiv-" + std::to_string(::getpid()) + "-" + name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto eingabe = Pfad("ein.dat");
    static const auto ausgabe = Pfad("aus.dat");
    {
        std::ofstream out(eingabe, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TArchiv archiv;
    try {
        archiv.LoadFromFile(eingabe);
    } catch (const TuvonError&) {
        return 0;
    }
    archiv.BuildPlayerList();
    archiv.SaveToFile(ausgabe);
    const std::string erst = ReadFileBytes(ausgabe);
    TArchiv wieder;
    wieder.LoadFromFile(ausgabe);
    wieder.SaveToFile(ausgabe);
    if (ReadFileBytes(ausgabe) != erst)
        std::abort();
    return 0;
}
