#pragma once
// Reads what a report laid out or wrote: texts of a page, rows of detail bands, a PDF's text.
#include "platform/qt/Bericht.h"

#include <QStringList>
#include <filesystem>
#include <vector>

// The texts of a page in drawing order.
QStringList Texte(const TBerichtSeite& seite);
// Every detail band of the pages in order, as its texts from left to right joined by "|"; a band
// without text is "".
QStringList Detailzeilen(const std::vector<TBerichtSeite>& seiten);
// The text of a PDF file as pdftotext reads it, pages ended by form feeds.
QString PdfText(const std::filesystem::path& datei);
