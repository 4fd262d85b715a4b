#include "core/ConfigDatei.h"

#include "core/Data.h"
#include "platform/Convert.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"

#include <system_error>

namespace {

constexpr int GeschriebeneVersion = 2;

// Walks the file's bytes as a text reader does: a line ends at LF, at CR LF or at a lone CR.
class Textleser {
public:
    Textleser(const std::string& bytes, const std::filesystem::path& datei)
        : bytes_(bytes), datei_(datei) {}

    bool AmEnde() const { return pos_ >= bytes_.size(); }

    // The rest of the current line; empty at the end of the file.
    std::string Zeile() {
        std::string zeile;
        while (!AmEnde() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r')
            zeile += bytes_[pos_++];
        ZeilenendeUeberspringen();
        return zeile;
    }

    // An integer and the rest of its line; 0 at the end of the file.
    int Zahl() {
        while (!AmEnde() && Trenner(bytes_[pos_]))
            ++pos_;
        if (AmEnde())
            return 0;
        std::string wort;
        while (!AmEnde() && !Trenner(bytes_[pos_]))
            wort += bytes_[pos_++];
        int wert = 0;
        if (!TryStrToInt(wort, wert))
            throw EInOutError("Ungültiges numerisches Format (E/A-Fehler 106): " +
                              PathText(datei_));
        Zeile();
        return wert;
    }

private:
    static bool Trenner(char c) { return static_cast<unsigned char>(c) <= ' '; }

    void ZeilenendeUeberspringen() {
        if (AmEnde())
            return;
        const char ende = bytes_[pos_++];
        if (ende == '\r' && !AmEnde() && bytes_[pos_] == '\n')
            ++pos_;
    }

    const std::string& bytes_;
    const std::filesystem::path& datei_;
    std::size_t pos_ = 0;
};

} // namespace

std::filesystem::path ConfigDateiPfad() {
    return std::filesystem::path(ProgrammVerzeichnis) / "Config.dat";
}

void LeseConfigBytes(const std::string& bytes, const std::filesystem::path& datei,
                     ConfigZiel& ziel) {
    Textleser leser(bytes, datei);
    const int version = leser.Zahl();
    for (int i = 0; i < ConfigFeldAnzahl; ++i) {
        const auto feld = static_cast<ConfigFeld>(i);
        if (version < Option(feld).AbVersion)
            continue;
        const std::string zeile = leser.Zeile();
        if (Option(feld).IstSchalter())
            ziel.SetzeSchalter(feld, zeile == "TRUE");
        else
            ziel.SetzeText(feld, zeile);
    }
    for (int l = 0; l < ConfigListenAnzahl; ++l) {
        const int anzahl = leser.Zahl();
        // A damaged count must not make the reader add empty values without end.
        for (int i = 0; i < anzahl && !leser.AmEnde(); ++i)
            ziel.NeutralHinzufuegen(static_cast<ConfigListe>(l), leser.Zeile());
    }
}

bool LeseConfigDatei(const std::filesystem::path& datei, ConfigZiel& ziel) {
    std::error_code fehler;
    if (!std::filesystem::exists(datei, fehler))
        return false;
    LeseConfigBytes(ReadFileBytes(datei), datei, ziel);
    return true;
}

std::string ConfigBytes(const ConfigQuelle& quelle) {
    std::string bytes = IntToStr(GeschriebeneVersion) + "\r\n";
    for (int i = 0; i < ConfigFeldAnzahl; ++i) {
        const auto feld = static_cast<ConfigFeld>(i);
        if (Option(feld).IstSchalter())
            bytes += quelle.Schalter(feld) ? "TRUE" : "FALSE";
        else
            bytes += quelle.Text(feld);
        bytes += "\r\n";
    }
    for (int l = 0; l < ConfigListenAnzahl; ++l) {
        const auto werte = quelle.Neutral(static_cast<ConfigListe>(l));
        bytes += IntToStr(static_cast<long long>(werte.size())) + "\r\n";
        for (const auto& wert : werte)
            bytes += wert + "\r\n";
    }
    return bytes;
}

void SchreibeConfigDatei(const std::filesystem::path& datei, const ConfigQuelle& quelle) {
    WriteFileAtomically(datei, ConfigBytes(quelle));
}
