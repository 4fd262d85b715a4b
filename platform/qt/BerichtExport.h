#pragma once
// A report's rows as a table, and the table as HTML, text or CSV: the save formats a preview can
// offer beside PDF. Each detail label is a column (in the order of their left edges); each column
// header label goes to the column it overlaps most; columns empty in every row are left out.
// All three are Windows-1252 with CR LF line ends:
//   HTML  declares that encoding, escapes & < > " ' and puts the title in a heading and the rows
//         in a table, right-aligned columns right-aligned;
//   text  the title, an empty line, then header and rows, each column padded to its widest entry
//         (right-aligned columns to the right), columns two blanks apart;
//   CSV   RFC 4180: the header record, then one record per row that holds any text; fields
//         separated by commas, quoted when they hold a comma, a quote, CR or LF, quotes doubled.
#include "platform/qt/Bericht.h"

#include <QStringList>
#include <functional>
#include <string>
#include <vector>

struct TBerichtTabelle {
    QString titel;
    std::vector<Ausrichtung> ausrichtung; // per column
    QStringList kopf;                     // per column
    std::vector<QStringList> zeilen;      // per detail band, one entry per column
};

// Runs the report once (BeforePrint first) and collects its rows.
TBerichtTabelle BerichtTabelle(const TBericht& bericht);

std::string AlsHtml(const TBerichtTabelle& tabelle);
std::string AlsText(const TBerichtTabelle& tabelle);
std::string AlsCsv(const TBerichtTabelle& tabelle);

// A save format offered by the preview beside PDF.
struct TSpeicherformat {
    QString name;       // shown on the preview's button, e.g. "HTML"
    std::string filter; // file dialog filter, "Name|*.ext"
    QString endung;     // default extension, without the dot
    std::function<std::string(const TBericht&)> bytes;
};

// HTML, text and CSV.
std::vector<TSpeicherformat> TabellenFormate();
