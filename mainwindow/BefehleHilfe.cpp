// The help and information boxes.
#include "mainwindow/FMain.h"

#include "core/Turnierdatei.h"
#include "mainwindow/Kontakt.h"
#include "platform/Convert.h"
#include "platform/Messages.h"
#include "translation/Translate.h"

namespace {
const std::string Zeilenende = "\r\n";
}

void TMain::Hilfe2Click() {
    Messages().ShowMessage(GetTranslation(7, 8),
                           GetTranslation(1, 99) + Zeilenende + GetTranslation(1, 100));
}

void TMain::Info1Click() {
    const std::string text = GetTranslation(1, 101) + Zeilenende + GetTranslation(1, 102) +
                             "1.5.0.1" + GetTranslation(1, 103) + IntToStr(TurnierdateiVersion) +
                             Zeilenende + GetTranslation(1, 105) + Zeilenende +
                             GetTranslation(1, 104) + Zeilenende + GetTranslation(1, 106) +
                             KontaktDeutschEnglisch + Zeilenende + GetTranslation(1, 107) +
                             KontaktFranzoesisch + Zeilenende;
    Messages().ShowMessage(GetTranslation(7, 8), text);
}
