#include "platform/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& Generator() {
    static std::mt19937 generator(5489u);
    return generator;
}
} // namespace

void SeedRandom(std::uint32_t seed) {
    Generator().seed(seed);
}

void SeedRandomFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

int Zufallszahl() {
    std::uniform_int_distribution<int> draw(0, 9999);
    return draw(Generator());
}
