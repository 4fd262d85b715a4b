#pragma once
// The pairing search in its plain form: depth-first backtracking in standings order, one pair
// after the other through PruefePaarung, without any pruning. The engine must give exactly what
// this gives; tests compare the two and the benchmark times both.
#include <functional>

enum class TReferenzErgebnis { Gefunden, Unmoeglich, Abgebrochen };

// Searches from list index i. stop is asked before every pair tried; when it answers true the
// search ends at once with Abgebrochen and leaves the players and counters as they are then.
TReferenzErgebnis ReferenzPaareRekursiv(int i, const std::function<bool()>& stop = {});
