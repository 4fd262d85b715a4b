// Feeds arbitrary bytes to the tournament file reader. A file that loads must save to bytes that
// load again to the very same bytes; anything else the reader may only reject with its own error.
#include "core/Turnierdatei.h"
#include "platform/Errors.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        LadeTurnierdatei(bytes, "fuzz.dat");
    } catch (const TuvonError&) {
        return 0;
    }
    const std::string einmal = TurnierdateiBytes();
    LadeTurnierdatei(einmal, "fuzz.dat");
    if (TurnierdateiBytes() != einmal)
        std::abort();
    return 0;
}
