#include "common/binary_file.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/planned_file_faults.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(BinaryFile, MissingFileCannotBeOpened)
{
    TempDir dir;
    auto file = BinaryFile::open(dir / "missing.bin", BinaryFile::Mode::ReadOnly);
    ASSERT_FALSE(file);
    EXPECT_EQ(file.failure().kind, FailureKind::CannotOpen);
    EXPECT_EQ(file.failure().path, dir / "missing.bin");
    EXPECT_EQ(file.failure().reason, "No such file or directory");
}

TEST(BinaryFile, ADirectoryIsNotAFile)
{
    TempDir dir;
    auto file = BinaryFile::open(dir.path(), BinaryFile::Mode::ReadOnly);
    ASSERT_FALSE(file);
    EXPECT_EQ(file.failure().kind, FailureKind::CannotOpen);
}

// A pipe named where a file belongs is refused at once: waiting for a writer would hang.
TEST(BinaryFile, APipeIsNotAFileAndDoesNotHang)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "PIPE.QZ3").c_str(), 0600), 0);
    for (const auto mode : {BinaryFile::Mode::ReadOnly, BinaryFile::Mode::ReadWrite}) {
        auto file = BinaryFile::open(dir / "PIPE.QZ3", mode);
        ASSERT_FALSE(file);
        EXPECT_EQ(file.failure().kind, FailureKind::CannotOpen);
        EXPECT_EQ(file.failure().reason, "not a regular file");
    }
}

TEST(BinaryFile, ShortReadIsAnInputOutputFailure)
{
    TempDir dir;
    writeFile(dir / "short.bin", "abc");
    auto file = BinaryFile::open(dir / "short.bin", BinaryFile::Mode::ReadOnly);
    ASSERT_TRUE(file);
    std::array<std::uint8_t, 4> buffer{};
    const Status read = file->readExact(0, buffer);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.failure().kind, FailureKind::Io);
    auto some = file->readSome(1, buffer);
    ASSERT_TRUE(some);
    EXPECT_EQ(*some, 2u);
}

TEST(BinaryFile, WritesAtOffsetsAndTruncates)
{
    TempDir dir;
    auto file = BinaryFile::open(dir / "f.bin", BinaryFile::Mode::ReadWriteCreate);
    ASSERT_TRUE(file);
    const std::array<std::uint8_t, 3> data{'x', 'y', 'z'};
    ASSERT_TRUE(file->writeAll(2, data));
    ASSERT_TRUE(file->truncate(4));
    ASSERT_TRUE(file->close());
    EXPECT_EQ(readFile(dir / "f.bin"), std::string("\0\0xy", 4));
}

TEST(WriteFileAtomically, ReplacesTheWholeFileAndLeavesNoTemporary)
{
    TempDir dir;
    writeFile(dir / "settings.ini", "old contents that are longer");
    ASSERT_TRUE(writeFileAtomically(dir / "settings.ini", "new"));
    EXPECT_EQ(readFile(dir / "settings.ini"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Whichever step fails, the target keeps its old bytes, the temporary file is gone, and the
// failure names the target and the system's reason.
TEST(WriteFileAtomically, AFailedStepLeavesTheOldFileAndNoTemporary)
{
    struct Case {
        FileStep step;
        int error;
        FailureKind kind;
    };
    const std::string old("[Misc]\r\nWindow Size=640\r\n\0\xFF", 27);
    for (const Case c :
         {Case{FileStep::Open, EMFILE, FailureKind::CannotOpen}, Case{FileStep::Write, ENOSPC, FailureKind::Io},
          Case{FileStep::Sync, EIO, FailureKind::Io}, Case{FileStep::Close, EDQUOT, FailureKind::Io},
          Case{FileStep::Rename, EXDEV, FailureKind::Io}}) {
        SCOPED_TRACE(std::strerror(c.error));
        TempDir dir;
        writeFile(dir / "QMAZE3.INI", old);
        test::PlannedFileFaults faults;
        faults.arm(c.step, c.error);
        const Status written = writeFileAtomically(dir / "QMAZE3.INI", std::string(5000, 'n'), faults);
        ASSERT_FALSE(written);
        EXPECT_EQ(written.failure().kind, c.kind);
        EXPECT_EQ(written.failure().path, dir / "QMAZE3.INI");
        EXPECT_EQ(written.failure().reason, std::strerror(c.error));
        EXPECT_EQ(readFile(dir / "QMAZE3.INI"), old);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
}

// A replaced file keeps its permissions; a new one gets those of any new file, the umask applied.
TEST(WriteFileAtomically, KeepsThePermissionsOfTheFileItReplaces)
{
    TempDir dir;
    const auto kept = dir / "kept.ini";
    writeFile(kept, "old");
    const auto own = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(kept, own);
    ASSERT_TRUE(writeFileAtomically(kept, "new"));
    EXPECT_EQ(std::filesystem::status(kept).permissions(), own);

    const mode_t mask = ::umask(022);
    const Status created = writeFileAtomically(dir / "new.ini", "new");
    ::umask(mask);
    ASSERT_TRUE(created);
    EXPECT_EQ(static_cast<unsigned>(std::filesystem::status(dir / "new.ini").permissions()), 0644u);
}

TEST(WriteFileAtomically, MissingFolderIsReported)
{
    TempDir dir;
    const Status written = writeFileAtomically(dir / "no" / "such.ini", "x");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.failure().path, dir / "no" / "such.ini");
}

}  // namespace
}  // namespace qm
