#include "core/Tische.h"

#include "core/Paarungen.h"

TObjectList<TTisch> Tischliste;
TObjectList<TTischgruppe> Tischgruppen;
bool TischeZufaellig = true;
int ErsteInReihenfolge = 0;
int AnzahlTische = 0;
bool TischgruppenBeruecksichtigen = false;
int WieOftProGruppe = 2;
int AnzahlTischgruppen = 5;
bool TischgruppenManuell = false;

void InitTische() {
    Tischliste.clear();
    Tischgruppen.clear();
    TischeZufaellig = true;
    ErsteInReihenfolge = 0;
    AnzahlTische = 0;
    TischgruppenBeruecksichtigen = false;
    WieOftProGruppe = 2;
    AnzahlTischgruppen = 5;
    TischgruppenManuell = false;
}
