#include "common/binary_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(WriteFileAtomically, FailureLeavesTheOldFile)
{
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    TempDir dir;
    writeFile(dir / "settings.ini", "old");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const Status written = writeFileAtomically(dir / "settings.ini", "new");
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile(dir / "settings.ini"), "old");
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
