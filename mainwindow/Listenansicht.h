#pragma once
// The list views of the main window: a table with a header row, grid lines and whole-row
// selection, whose column 0 is hidden (it carries no text) so that the visible columns keep the
// numbers the rest of the program counts them by. Cells are given as Windows-1252 text.
#include <QString>
#include <string>
#include <vector>

class QTableWidget;
class QWidget;

struct TSpalte {
    int breite;  // pixels
    bool rechts; // right-aligned
};

constexpr int StandardSpaltenbreite = 50;

QTableWidget* NeueListenansicht(QWidget* parent, const char* name,
                                const std::vector<TSpalte>& spalten);
void SpalteAnhaengen(QTableWidget* ansicht, const QString& kopf, TSpalte spalte);
// Removes every column from the given number on.
void SpaltenKuerzen(QTableWidget* ansicht, int anzahl);
void SetzeSpaltenkopf(QTableWidget* ansicht, int spalte, const QString& kopf);
// A row whose cells fill columns 1, 2, ... in turn; missing cells stay empty.
void ZeileAnhaengen(QTableWidget* ansicht, const std::vector<std::string>& zellen);
void ZeilenEntfernen(QTableWidget* ansicht);
