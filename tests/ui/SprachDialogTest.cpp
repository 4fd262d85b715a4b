// The language command through its chooser: the languages offered, the choice applied to the
// main window at once and to every other window at its next showing, translator mode.
#include "MainFixture.h"
#include "archive/qt/DArchiv.h"
#include "dialogs/DPaaren.h"
#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"
#include "server/qt/DlgServer.h"
#include "translation/Translate.h"
#include "translation/qt/DSpracheWaehlen.h"

#include <QRadioButton>

namespace {

// What the chooser shows: the languages, the current one, which radio button is checked and
// enabled, and whether the translator controls are there.
QString Anzeige(const TDlgSpracheWaehlen& d) {
    return Texte(d.cbSprache).join(',') + "|" + d.cbSprache->currentText() + "|" +
           (d.rbOriginal->isChecked() ? "orig" : "trans") +
           (d.rbTranslate->isEnabled() ? "" : " disabled") +
           (d.Button1->isVisibleTo(&d) && d.cbNummern->isVisibleTo(&d) ? "|translator" : "");
}

// Runs the language command; the step plays the chooser and closes it.
QString Sprachbefehl(TMain& main, const std::function<void(TDlgSpracheWaehlen&)>& schritt) {
    QString gezeigt;
    ModalerDialog dialog([&](QDialog&) {
        gezeigt = Anzeige(*DlgSpracheWaehlen);
        schritt(*DlgSpracheWaehlen);
    });
    main.Sprachendern1->trigger();
    return gezeigt;
}

void WaehleUndSchliesse(TDlgSpracheWaehlen& d, const QString& sprache) {
    QTest::mouseClick(d.rbTranslate, Qt::LeftButton);
    d.cbSprache->setCurrentText(sprache);
    d.close();
}

} // namespace

class SprachDialogTest : public QObject {
    Q_OBJECT
private slots:
    void offersTheLanguagesFoundAndPreselectsTheRememberedOne() {
        struct Fall {
            std::vector<std::string> dateien;
            std::string wahl;
            QString gezeigt;
        };
        for (const Fall& f :
             {Fall{{}, "Alt", "||orig disabled"},
              // A name of one letter is not preselected.
              Fall{{"E.tlf", "A.tlf"}, "E", "A,E|A|orig"},
              Fall{{"English.TLF", "Francais.tlf"}, "English", "English,Francais|English|trans"}}) {
            ProgramWindows windows;
            for (const std::string& datei : f.dateien)
                windows.WriteSetting(datei, "1\r\n");
            windows.WriteSetting("Language", f.wahl + "\r\n");
            QCOMPARE(Sprachbefehl(windows.Start(), [](auto& d) { d.close(); }), f.gezeigt);
        }
    }

    void aChosenLanguageReachesTheMainWindowAtOnceAndOthersAtTheirNextShowing() {
        ProgramWindows windows;
        windows.WriteSetting("English.TLF", "1\r\n"
                                            "1||1||Paaren||Pair||\r\n"
                                            "4||1||Sprache w\xe4hlen||Language||\r\n"
                                            "6||3||Archiv||Archive||\r\n"
                                            "14||9||Paaren||Pairing||\r\n"
                                            "23||6||Server||Result server||\r\n");
        windows.WriteSetting("Kaputt.TLF", "1\r\n1||1||Paaren||Kaputt||\r\nx||2||a||b||\r\n");
        TMain& main = windows.Start();
        const std::vector<QDialog*> andere{DlgPaaren, DServer, DlgArchiv, DlgSpracheWaehlen};
        for (QDialog* fenster : andere) {
            fenster->show();
            fenster->hide();
        }
        Sprachbefehl(main, [](auto& d) { WaehleUndSchliesse(d, "English"); });
        QCOMPARE(main.bPaaren->text(), QString("Pair"));
        QStringList titel;
        for (QDialog* fenster : andere) {
            titel << fenster->windowTitle();
            fenster->show();
            titel << fenster->windowTitle();
            fenster->hide();
        }
        QCOMPARE(titel, (QStringList{"Paaren", "Pairing", "Server", "Result server", "Archiv",
                                     "Archive", "Sprache wählen", "Language"}));

        // A language that fails to load is shown as an error; the captions stay as they were.
        Sprachbefehl(main, [](auto& d) { WaehleUndSchliesse(d, "Kaputt"); });
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(main.bPaaren->text(), QString("Pair"));
    }

    void translatorModeWritesTheOriginalAndOnlyOkStoresTheNumbers() {
        for (const bool ok : {false, true}) {
            ProgramWindows windows;
            windows.WriteSetting("Translator.txt", "");
            TMain& main = windows.Start();
            const QString gezeigt = Sprachbefehl(main, [ok](TDlgSpracheWaehlen& d) {
                Klick(&d, "Button1");
                QTest::mouseClick(d.cbNummern, Qt::LeftButton);
                ok ? Klick(&d, "btOK") : void(d.close());
            });
            QCOMPARE(gezeigt, QString("||orig disabled|translator"));
            QCOMPARE(ShowNumbers, ok);
            QCOMPARE(main.bPaaren->text(), ok ? QString("Paaren(1/1)") : QString("Paaren"));
            QVERIFY(std::filesystem::exists(windows.folder / "Original.TLF"));
        }
    }
};

QTEST_MAIN(SprachDialogTest)
#include "SprachDialogTest.moc"
