#include "dialogs/FormDialog.h"

#include "platform/Guarded.h"

#include <QShowEvent>

void TFormDialog::showEvent(QShowEvent* event) {
    // Restoring a minimised window is no new showing.
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
    QDialog::showEvent(event);
}
