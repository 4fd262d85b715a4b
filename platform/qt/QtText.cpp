#include "platform/qt/QtText.h"

#include "platform/Cp1252.h"

QString Qs(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string Cp(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

QString PathToQString(const std::filesystem::path& path) {
    const auto u8 = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(u8.data()),
                             static_cast<qsizetype>(u8.size()));
}

std::filesystem::path QStringToPath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), utf8.size()));
}
