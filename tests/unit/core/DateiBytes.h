#pragma once
// Builds binary files byte by byte for the file tests, independently of the program's writer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

class DateiBytes {
public:
    DateiBytes& I32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<char>(u >> (8 * i)));
        return *this;
    }
    DateiBytes& F64(double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        for (int i = 0; i < 8; ++i)
            b.push_back(static_cast<char>(u >> (8 * i)));
        return *this;
    }
    DateiBytes& Flag(bool v) {
        b.push_back(v ? 1 : 0);
        return *this;
    }
    // Length byte, the text, then fill bytes up to the width.
    DateiBytes& Text(std::string_view s, std::size_t width, char fill = 0) {
        b.push_back(static_cast<char>(s.size()));
        b.append(s);
        b.append(width - s.size(), fill);
        return *this;
    }
    DateiBytes& Roh(std::string_view s) {
        b.append(s);
        return *this;
    }
    std::size_t size() const { return b.size(); }

    std::string b;
};

inline std::int32_t I32An(const std::string& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = u << 8 | static_cast<unsigned char>(bytes.at(offset + static_cast<std::size_t>(i)));
    return static_cast<std::int32_t>(u);
}

// With TUVON_FUZZ_SEEDS naming a folder, the tests leave their files there: seeds for the fuzz
// target of the reader.
inline void AlsSaat(const std::string& name, const std::string& bytes) {
    if (const char* ordner = std::getenv("TUVON_FUZZ_SEEDS"))
        std::ofstream(std::string(ordner) + "/" + name, std::ios::binary) << bytes;
}
