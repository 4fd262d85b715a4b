#include "dialogs/SortierteZeile.h"

#include "platform/qt/QtText.h"

QListWidgetItem* NeueZeile(const std::string& cp1252) {
    return new TSortierteZeile(Qs(cp1252));
}
