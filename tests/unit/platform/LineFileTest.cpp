#include "platform/LineFile.h"
#include "platform/Errors.h"

#include "TempDir.h"

#include <cerrno>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(LineFile, WritesCrLfAndReadsEveryLineEnding) {
    TempDir dir;
    WriteAllLines(dir / "a.txt", {"eins", "", "dr\xE4i"});
    EXPECT_EQ(ReadBytes(dir / "a.txt"), "eins\r\n\r\ndr\xE4i\r\n");

    WriteBytes(dir / "b.txt", "a\nb\r\nc\rd\r\n\r\ne");
    EXPECT_EQ(ReadAllLines(dir / "b.txt"), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    WriteBytes(dir / "empty.txt", "");
    EXPECT_TRUE(ReadAllLines(dir / "empty.txt").empty());
}

TEST(LineFile, FailuresNameTheFile) {
    TempDir dir;
    WriteBytes(dir / "one.txt", "x\r\n");
    LineReader reader(dir / "one.txt");
    EXPECT_EQ(reader.NextLine(), "x");
    EXPECT_TRUE(reader.AtEnd());
    const std::pair<std::function<void()>, std::string> faelle[] = {
        {[&] { reader.NextLine(); }, "one.txt"}, // beyond the end
        {[&] { ReadAllLines(dir / "missing.txt"); }, "missing.txt"},
        {[&] { WriteAllLines(dir / "no" / "dir.txt", {"x"}); }, "dir.txt"},
        {[&] { WriteFileAtomically(dir / "gone" / "t.dat", "x"); }, "t.dat"},
    };
    for (const auto& [aktion, name] : faelle) {
        try {
            aktion();
            ADD_FAILURE() << name;
        } catch (const EInOutError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
}

TEST(LineFile, ANumberThatDoesNotConvertNamesTheFileAndTheLine) {
    TempDir dir;
    WriteBytes(dir / "z.txt", std::string("a\r12\nx\0y\r\n", 11));
    LineReader reader(dir / "z.txt");
    reader.NextLine();
    EXPECT_EQ(reader.Zahl(reader.NextLine()), 12);
    try {
        reader.Zahl(reader.NextLine());
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.what(),
                  PathText(dir / "z.txt") + ", Zeile 3: 'x\\x00y' ist kein gültiger Integerwert");
    }
}

TEST(LineFile, AtomicWriteLeavesTheOldFileWhenItCannotWrite) {
    TempDir dir;
    const auto target = dir / "t.dat";
    WriteFileAtomically(target, "old");
    EXPECT_EQ(ReadBytes(target), "old");
    WriteFileAtomically(target, "newer bytes");
    EXPECT_EQ(ReadBytes(target), "newer bytes");

    // A disk that fills up midway: the file-size limit makes the write fail after 4 bytes.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(WriteFileAtomically(target, std::string(100, 'x')), EInOutError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(ReadBytes(target), "newer bytes");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "the temporary file is removed";
}

// The file is replaced by a new one wherever a temporary file can be made beside it; in a
// folder that refuses new files, an existing writable file is written over in place.
TEST(LineFile, AtomicWriteWritesOverTheFileWhereNoTemporaryFileCanBeMade) {
    namespace fs = std::filesystem;
    TempDir dir;
    const auto target = dir / "t.dat";
    const auto neu = dir / "neu.dat";
    WriteBytes(target, "old");
    auto inode = [&] {
        struct stat st {};
        ::stat(target.c_str(), &st);
        return st.st_ino;
    };
    const auto alt = inode();
    WriteFileAtomically(target, "atomic");
    EXPECT_EQ(ReadBytes(target), "atomic");
    EXPECT_NE(inode(), alt) << "replaced by a new file";

    const auto echt = CreateTempFile;
    CreateTempFile = [](const char*, int, int) {
        errno = ENOSPC;
        return -1;
    };
    EXPECT_THROW(WriteFileAtomically(target, "lost"), EInOutError);
    EXPECT_EQ(ReadBytes(target), "atomic") << "only a refusing folder is worked around";
    CreateTempFile = [](const char*, int, int) {
        errno = EACCES;
        return -1;
    };
    const auto ersetzt = inode();
    WriteFileAtomically(target, "written over");
    EXPECT_THROW(WriteFileAtomically(neu, "x"), EInOutError);
    CreateTempFile = echt;
    EXPECT_EQ(ReadBytes(target), "written over");
    EXPECT_EQ(inode(), ersetzt) << "the same file, written over";
    EXPECT_FALSE(fs::exists(neu));

    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not stop root; the refusing folder is stood in for "
                        "above by a temporary file that cannot be created";
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    WriteFileAtomically(target, "read-only folder");
    EXPECT_THROW(WriteFileAtomically(neu, "x"), EInOutError);
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(target), "read-only folder");
}

// Replacing the file must behave as writing over it would: a write-protected file is refused,
// the file keeps its permissions, and a link keeps pointing at the file that gets the bytes.
TEST(LineFile, AtomicWriteReplacesOnlyWhatAPlainOverwriteWould) {
    namespace fs = std::filesystem;
    TempDir dir;
    const auto target = dir / "t.dat";
    WriteBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        WriteFileAtomically(target, "lost");
        FAIL() << "a read-only file must not be replaced";
    } catch (const EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find("t.dat"), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    const auto eigen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, eigen);
    WriteFileAtomically(target, "new");
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(fs::status(target).permissions(), eigen);

    const auto link = dir / "link.dat";
    fs::create_symlink(target, link);
    WriteFileAtomically(link, "through the link");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "through the link");
}
