#include "core/Siegpunktmatrix.h"

#include "platform/Convert.h"

#include <algorithm>
#include <climits>

TObjectList<TSiegIntervall> Siegpunktmatrix;
bool SiegpunktmatrixBenutzen;

void InitSiegpunktmatrix() {
    static constexpr TSiegIntervall standard[] = {
        {0, 249, 8, 8},      {250, 499, 9, 7},    {500, 649, 10, 6},
        {650, 799, 11, 5},   {800, 949, 12, 4},   {950, 1199, 13, 3},
        {1200, 1449, 14, 2}, {1450, 1699, 15, 1}, {1700, 100000, 16, 0},
    };
    Siegpunktmatrix.clear();
    for (const TSiegIntervall& zeile : standard)
        Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>(zeile));
}

namespace {

int ImIntBereich(long long wert) {
    return static_cast<int>(std::clamp<long long>(wert, INT_MIN, INT_MAX));
}

} // namespace

void SetzeSiegpunktmatrix(const std::vector<TMatrixZeile>& zeilen) {
    TObjectList<TSiegIntervall> neu;
    for (const TMatrixZeile& zeile : zeilen) {
        const int k = static_cast<int>(neu.size());
        const auto zelle = [k](int spalte, const std::string& text) {
            try {
                return StrToInt(text);
            } catch (const EConvertError& fehler) {
                throw EMatrixZelle(fehler, k, spalte);
            }
        };
        auto intervall = std::make_unique<TSiegIntervall>();
        intervall->Von = zelle(0, zeile.Von);
        intervall->Sieger = zelle(1, zeile.Sieger);
        intervall->Verlierer = zelle(2, zeile.Verlierer);
        neu.push_back(std::move(intervall));
    }
    for (size_t k = 0; k < neu.size(); ++k)
        neu[k]->Bis = k + 1 < neu.size() ? ImIntBereich(static_cast<long long>(neu[k + 1]->Von) - 1)
                                         : ImIntBereich(static_cast<long long>(neu[k]->Von) * 10);
    Siegpunktmatrix = std::move(neu);
}

int SiegpunktDifferenz(int a, int b) {
    return static_cast<int>(std::min<long long>(static_cast<long long>(a) - b, INT_MAX));
}

void PunkteAusSiegpunkten(int siegpunkte1, int siegpunkte2, int& punkte1, int& punkte2) {
    if (siegpunkte1 > siegpunkte2)
        SiegpunkteZuPunkten(SiegpunktDifferenz(siegpunkte1, siegpunkte2), punkte1, punkte2);
    else
        SiegpunkteZuPunkten(SiegpunktDifferenz(siegpunkte2, siegpunkte1), punkte2, punkte1);
}

void SiegpunkteZuPunkten(int differenz, int& sieger, int& verlierer) {
    sieger = 0;
    verlierer = 0;
    // The rows need not be sorted: the last row reached in list order wins.
    for (const auto& zeile : Siegpunktmatrix) {
        if (zeile->Von <= differenz) {
            sieger = zeile->Sieger;
            verlierer = zeile->Verlierer;
        }
    }
}
