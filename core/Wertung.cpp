#include "core/Wertung.h"

int SortierSpalte = 2;
