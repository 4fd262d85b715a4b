#include "platform/LineFile.h"

#include "platform/Convert.h"
#include "platform/Errors.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const std::string& what) {
    throw EInOutError(what + ": " + PathText(file));
}

int OpenFile(const char* path, int flags, int mode) {
    return ::open(path, flags, static_cast<mode_t>(mode));
}

// Writes all bytes, flushes them to disk and closes fd; false when any step failed.
bool WriteAndClose(int fd, const std::string& bytes) {
    size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    return ok;
}

} // namespace

int (*CreateTempFile)(const char* path, int flags, int mode) = OpenFile;

std::string PathText(const std::filesystem::path& file) {
    const auto u8 = file.u8string();
    return std::string(u8.begin(), u8.end());
}

int LineReader::Zahl(std::string_view text) const {
    try {
        return StrToInt(text);
    } catch (const EConvertError& e) {
        throw EConvertError(PathText(file_) + ", Zeile " + std::to_string(lines_) + ": " +
                            e.what());
    }
}

LineReader::LineReader(const std::filesystem::path& file) : file_(file) {
    in_.open(file, std::ios::binary);
    if (!in_)
        Fail(file_, "Datei kann nicht geöffnet werden");
}

bool LineReader::ReadLine(std::string& line) {
    line.clear();
    int c = in_.get();
    if (c == std::char_traits<char>::eof()) {
        if (in_.bad())
            Fail(file_, "Fehler beim Lesen der Datei");
        return false;
    }
    ++lines_;
    while (c != std::char_traits<char>::eof()) {
        if (c == '\n')
            return true;
        if (c == '\r') {
            if (in_.peek() == '\n')
                in_.get();
            return true;
        }
        line += static_cast<char>(c);
        c = in_.get();
    }
    if (in_.bad())
        Fail(file_, "Fehler beim Lesen der Datei");
    return true;
}

std::string LineReader::NextLine() {
    std::string line;
    if (!ReadLine(line))
        Fail(file_, "Lesen über das Dateiende hinaus");
    return line;
}

bool LineReader::AtEnd() {
    return in_.peek() == std::char_traits<char>::eof();
}

LineWriter::LineWriter(const std::filesystem::path& file) : file_(file) {
    out_.open(file, std::ios::binary | std::ios::trunc);
    if (!out_)
        Fail(file_, "Datei kann nicht erstellt werden");
}

void LineWriter::WriteLine(const std::string& line) {
    out_ << line << "\r\n";
    if (!out_)
        Fail(file_, "Fehler beim Schreiben der Datei");
}

void LineWriter::Close() {
    if (closed_)
        return;
    closed_ = true;
    out_.flush();
    const bool ok = static_cast<bool>(out_);
    out_.close();
    if (!ok || out_.fail())
        Fail(file_, "Fehler beim Schreiben der Datei");
}

LineWriter::~LineWriter() {
    if (!closed_)
        out_.close();
}

std::vector<std::string> ReadAllLines(const std::filesystem::path& file) {
    LineReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
}

void WriteAllLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    LineWriter writer(file);
    for (const auto& line : lines)
        writer.WriteLine(line);
    writer.Close();
}

std::string ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        Fail(file, "Datei kann nicht geöffnet werden");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        Fail(file, "Fehler beim Lesen der Datei");
    return buffer.str();
}

void WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // A link is written through, as an overwrite would: the link stays, the file it names changes.
    const fs::path target = fs::is_symlink(file, ec) ? fs::weakly_canonical(file, ec) : file;
    // A write-protected file is refused, as opening it for writing would be (even for root,
    // whom the permissions do not stop); otherwise the new file takes over its permissions.
    const fs::file_status old = fs::status(target, ec);
    const bool exists = fs::exists(old);
    const auto writeBits =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (exists &&
        (::access(target.c_str(), W_OK) != 0 || (old.permissions() & writeBits) == fs::perms::none))
        Fail(file, "Datei kann nicht erstellt werden");
    fs::path temp = target;
    temp += ".tmp-" + std::to_string(std::random_device{}());
    const int fd = CreateTempFile(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) {
        // Only a folder that refuses new files is worked around; a full disk, say, is not.
        const bool verweigert = errno == EACCES || errno == EPERM;
        if (!exists || !verweigert)
            Fail(file, "Datei kann nicht erstellt werden");
        // Only the file may be written: write over it, as a plain overwrite would.
        const int direkt = ::open(target.c_str(), O_WRONLY | O_TRUNC);
        if (direkt < 0)
            Fail(file, "Datei kann nicht erstellt werden");
        if (!WriteAndClose(direkt, bytes))
            Fail(file, "Fehler beim Schreiben der Datei");
        return;
    }
    if (exists)
        ::fchmod(fd, static_cast<mode_t>(old.permissions() & fs::perms::mask));
    bool ok = WriteAndClose(fd, bytes);
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temp, ec);
        Fail(file, "Fehler beim Schreiben der Datei");
    }
}

void WriteLinesAtomically(const std::filesystem::path& file,
                          const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    WriteFileAtomically(file, bytes);
}
