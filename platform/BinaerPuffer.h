#pragma once
// Fields of a binary file, little-endian and without padding, built in memory and read back from
// memory. The reader checks every field against the end of the data: a file that ends early or
// announces more entries than it can hold raises EFileFormatError naming the file, never reads
// past the end and never allocates more than the data could describe.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TBinaerSchreiber {
public:
    void Int32(std::int32_t value);
    void Double(double value);
    // One byte, 0 or 1.
    void Flag(bool value);
    // A text field of width N: a length byte, then N bytes, of which the bytes behind the text are
    // zero. Longer text is cut to N characters.
    void Text(std::string_view text, std::size_t width);

    const std::string& Bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }
    void Reserve(std::size_t n) { bytes_.reserve(n); }

private:
    std::string bytes_;
};

class TBinaerLeser {
public:
    // The bytes must outlive the reader; the name appears in every error (UTF-8).
    TBinaerLeser(std::string_view bytes, std::string dateiText);

    std::int32_t Int32();
    double Double();
    // Any byte but 0 reads as true.
    bool Flag();
    // A text field of width N; a length byte above N takes N characters.
    std::string Text(std::size_t width);

    // An int32 count of entries that follow, each at least bytesProEintrag long. A negative count
    // reads as 0; a count the rest of the data cannot hold raises.
    std::int32_t Anzahl(std::size_t bytesProEintrag);

    std::size_t Rest() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }
    const std::string& DateiText() const { return dateiText_; }

    [[noreturn]] void Beschaedigt() const;

private:
    const unsigned char* Nehmen(std::size_t n);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::string dateiText_;
};
