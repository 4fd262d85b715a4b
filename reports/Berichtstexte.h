#pragma once
// What every report reads from the text table and the numbers it prints.
#include <QString>
#include <initializer_list>

// Registers the texts of a section with the numbers 1, 2, ... in the order given.
void RegistriereAbschnitt(int abschnitt, std::initializer_list<const char*> texte);
QString Text(int abschnitt, int id);
// A plain decimal integer.
QString Zahl(long long wert);
