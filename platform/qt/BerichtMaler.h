#pragma once
// The one painter of the report layer: draws laid-out pages on any paged device (printer, PDF
// writer, the preview's printer), each page A4 portrait at full size.
#include "platform/qt/Bericht.h"

#include <filesystem>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Draws one page with the painter's origin at the page's top left corner.
void ZeichneSeite(QPainter& painter, const TBerichtSeite& seite, double pixelProMm);
// Sets the device to A4 portrait without margins and draws every page on it.
void ZeichneSeiten(const std::vector<TBerichtSeite>& seiten, QPagedPaintDevice& geraet);
// Writes the pages as a PDF file, replacing it whole; raises EInOutError naming the file when it
// cannot be written.
void SchreibePdf(const std::vector<TBerichtSeite>& seiten, const std::filesystem::path& datei,
                 const QString& titel = {});
