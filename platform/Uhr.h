#pragma once
// Today's local date, the one clock the program reads; tests set it to a fixed day.
#include <optional>

struct TDatum {
    int Tag = 1;
    int Monat = 1;
    int Jahr = 2000;
};

TDatum Heute();
// A fixed day that Heute answers from now on; nothing returns to the system clock.
void SetzeHeute(std::optional<TDatum> tag);
