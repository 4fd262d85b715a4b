#pragma once
// Text files of whole lines: CR LF line ends, Windows-1252 bytes, no byte-order mark. Every open,
// read and write is checked; a failure raises EInOutError naming the file.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// Reads a text file line by line. A line ends at LF; one CR before it is removed, and a lone CR
// also ends a line, as the platform's text reader does. The last line needs no line end.
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& file);
    // False at the end of the file.
    bool ReadLine(std::string& line);
    // The next line; at the end of the file raises EInOutError ("read beyond end of file").
    std::string NextLine();
    bool AtEnd();
    const std::filesystem::path& FileName() const { return file_; }
    // The number of lines read so far: the last line read, for messages.
    int LineNumber() const { return lines_; }
    // The number in a text of the line read last; EConvertError names the file and the line.
    int Zahl(std::string_view text) const;

private:
    std::filesystem::path file_;
    std::ifstream in_;
    int lines_ = 0;
};

// Collects lines and writes them to a file, each ended by CR LF.
class LineWriter {
public:
    explicit LineWriter(const std::filesystem::path& file);
    void WriteLine(const std::string& line);
    // Flushes and closes; raises EInOutError when anything failed.
    void Close();
    ~LineWriter();

private:
    std::filesystem::path file_;
    std::ofstream out_;
    bool closed_ = false;
};

std::vector<std::string> ReadAllLines(const std::filesystem::path& file);
void WriteAllLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Writes bytes to a temporary file beside the target and renames it over the target only after
// everything was written and flushed; on any failure the target stays as it was. Where no
// temporary file can be made beside it (a read-only folder) but the target exists and may be
// written, the target itself is written over instead, without that guarantee.
void WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes);
// The lines, each ended by CR LF, written as WriteFileAtomically does.
void WriteLinesAtomically(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Creates the temporary file of WriteFileAtomically (open(2) with the flags and mode given) and
// returns its descriptor, or -1. Tests replace it: a read-only folder does not stop root.
extern int (*CreateTempFile)(const char* path, int flags, int mode);

// The whole file as bytes.
std::string ReadFileBytes(const std::filesystem::path& file);

// A path as UTF-8 text for messages.
std::string PathText(const std::filesystem::path& file);
