#pragma once
// A text field of the data model with a maximum width: assigning a longer value keeps the first
// N characters (Windows-1252, one byte per character), exactly what the tournament file stores.
#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N> class FixedString {
public:
    static constexpr std::size_t Width = N;

    FixedString() = default;
    FixedString(std::string_view s) : value_(s.substr(0, N)) {}
    FixedString(const char* s) : FixedString(std::string_view(s)) {}
    FixedString(const std::string& s) : FixedString(std::string_view(s)) {}

    FixedString& operator=(std::string_view s) {
        value_.assign(s.substr(0, N));
        return *this;
    }
    FixedString& operator=(const std::string& s) { return *this = std::string_view(s); }
    FixedString& operator=(const char* s) { return *this = std::string_view(s); }

    const std::string& str() const { return value_; }
    operator const std::string&() const { return value_; }
    const char* c_str() const { return value_.c_str(); }
    std::size_t size() const { return value_.size(); }
    std::size_t length() const { return value_.size(); }
    bool empty() const { return value_.empty(); }

    friend bool operator==(const FixedString& a, const FixedString& b) {
        return a.value_ == b.value_;
    }
    friend bool operator==(const FixedString& a, std::string_view b) { return a.value_ == b; }
    friend std::string operator+(const FixedString& a, std::string_view b) {
        return a.value_ + std::string(b);
    }
    friend std::string operator+(std::string_view a, const FixedString& b) {
        return std::string(a) + b.value_;
    }

private:
    std::string value_;
};
