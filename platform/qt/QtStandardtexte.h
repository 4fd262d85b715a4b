#pragma once
// Qt's own texts (the standard buttons "Ja"/"Nein", the file dialogs' "Öffnen", "Dateiname:")
// in German, from the translations Qt ships (Debian's qt6-translations-l10n): the program's
// language files replace only its own texts.

// Installs Qt's German translation into the application; false when it cannot be found, in
// which case Qt's built-in English stays.
bool LadeQtStandardtexte();
