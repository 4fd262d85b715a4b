#include "platform/BinaerPuffer.h"

#include "platform/Errors.h"

#include <cstring>

void TBinaerSchreiber::Int32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<char>((u >> shift) & 0xFF));
}

void TBinaerSchreiber::Double(double value) {
    std::uint64_t u;
    static_assert(sizeof u == sizeof value);
    std::memcpy(&u, &value, sizeof u);
    for (int shift = 0; shift < 64; shift += 8)
        bytes_.push_back(static_cast<char>((u >> shift) & 0xFF));
}

void TBinaerSchreiber::Flag(bool value) {
    bytes_.push_back(value ? 1 : 0);
}

void TBinaerSchreiber::Text(std::string_view text, std::size_t width) {
    const std::size_t length = text.size() < width ? text.size() : width;
    bytes_.push_back(static_cast<char>(length));
    bytes_.append(text.substr(0, length));
    bytes_.append(width - length, '\0');
}

TBinaerLeser::TBinaerLeser(std::string_view bytes, std::string dateiText)
    : bytes_(bytes), dateiText_(std::move(dateiText)) {}

void TBinaerLeser::Beschaedigt() const {
    throw EFileFormatError("Die Datei ist beschädigt oder unvollständig: " + dateiText_);
}

const unsigned char* TBinaerLeser::Nehmen(std::size_t n) {
    if (n > Rest())
        Beschaedigt();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    pos_ += n;
    return p;
}

std::int32_t TBinaerLeser::Int32() {
    const unsigned char* p = Nehmen(4);
    const std::uint32_t u =
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(u);
}

double TBinaerLeser::Double() {
    const unsigned char* p = Nehmen(8);
    std::uint64_t u = 0;
    for (int i = 7; i >= 0; --i)
        u = u << 8 | p[i];
    double value;
    std::memcpy(&value, &u, sizeof value);
    return value;
}

bool TBinaerLeser::Flag() {
    return *Nehmen(1) != 0;
}

std::string TBinaerLeser::Text(std::size_t width) {
    const unsigned char* p = Nehmen(width + 1);
    const std::size_t length = p[0] < width ? p[0] : width;
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

std::int32_t TBinaerLeser::Anzahl(std::size_t bytesProEintrag) {
    const std::int32_t n = Int32();
    if (n <= 0)
        return 0;
    if (bytesProEintrag > 0 && static_cast<std::size_t>(n) > Rest() / bytesProEintrag)
        Beschaedigt();
    return n;
}
