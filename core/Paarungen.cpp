#include "core/Paarungen.h"

TObjectList<TPaarung> Paarungsliste;
