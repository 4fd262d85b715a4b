#include "platform/Uhr.h"

#include <ctime>

namespace {
std::optional<TDatum> gesetzt;
} // namespace

TDatum Heute() {
    if (gesetzt)
        return *gesetzt;
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&jetzt, &ortszeit);
    return {ortszeit.tm_mday, ortszeit.tm_mon + 1, ortszeit.tm_year + 1900};
}

void SetzeHeute(std::optional<TDatum> tag) {
    gesetzt = tag;
}
