#pragma once
// The one process-wide pseudo-random generator. Seeded from the clock at start-up; tests seed it
// to get a fixed sequence.
#include <cstdint>

void SeedRandom(std::uint32_t seed);
void SeedRandomFromClock();
// An integer drawn uniformly from 0 to 9999.
int Zufallszahl();
