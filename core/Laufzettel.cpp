#include "core/Laufzettel.h"

bool LaufzettelZweiProPaarung = true;
bool LaufzettelTurnierpunkte = false;
bool LaufzettelFairplay = false;
bool LaufzettelSzenario = false;
bool LaufzettelSpielernummern = true;

void LaufzettelStandard() {
    LaufzettelZweiProPaarung = true;
    LaufzettelTurnierpunkte = false;
    LaufzettelFairplay = false;
    LaufzettelSzenario = false;
    LaufzettelSpielernummern = true;
}
