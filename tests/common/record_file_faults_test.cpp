// Every change of a fixed-record file with its k-th file operation failing, for every k, every
// step and both a failing disk and a full one; and changes a dead process left half done.
#include <cerrno>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "common/file_faults.h"
#include "common/record_file.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr std::size_t kRecordSize = 4;
const std::string kFourRecords = "AAAABBBBCCCCDDDD";

std::span<const std::uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

struct Change {
    const char* name;
    std::function<Status(FixedRecordFile&)> run;
    std::string after;  // the file when the change is done
};

const Change kChanges[] = {
    {"append", [](FixedRecordFile& f) { return f.append(bytesOf("EEEE")).status(); }, kFourRecords + "EEEE"},
    {"replace first", [](FixedRecordFile& f) { return f.replace(0, bytesOf("XXXX")); }, "XXXXBBBBCCCCDDDD"},
    {"replace last", [](FixedRecordFile& f) { return f.replace(3, bytesOf("XXXX")); }, "AAAABBBBCCCCXXXX"},
    {"remove first", [](FixedRecordFile& f) { return f.remove(0); }, "BBBBCCCCDDDD"},
    {"remove third", [](FixedRecordFile& f) { return f.remove(2); }, "AAAABBBBDDDD"},
    {"remove last", [](FixedRecordFile& f) { return f.remove(3); }, "AAAABBBBCCCC"},
    {"create", [](FixedRecordFile& f) { return f.create(); }, ""},
};

constexpr FileStep kSteps[] = {FileStep::Open,  FileStep::Write,  FileStep::Sync,
                               FileStep::Close, FileStep::Rename, FileStep::Truncate};

TEST(FixedRecordFileFaults, EveryFailingOperationLeavesTheOldFileOrTheNewOne)
{
    TempDir dir;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize);
    for (const Change& change : kChanges)
        for (const FileStep step : kSteps)
            for (const int error : {EIO, ENOSPC})
                for (int k = 0;; ++k) {
                    SCOPED_TRACE(std::string(change.name) + ", step " + std::to_string(static_cast<int>(step)) +
                                 ", error " + std::to_string(error) + ", k " + std::to_string(k));
                    ASSERT_LT(k, 100);
                    writeFile(records.path(), kFourRecords);
                    Status changed;
                    bool fired = false;
                    {
                        const FileFault fault(step, error, {.pass = k});
                        changed = change.run(records);
                        fired = fault.fired();
                    }
                    const std::string now = readFile(records.path());
                    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RECORDS.DAT"});
                    if (!fired) {
                        EXPECT_TRUE(changed);
                        EXPECT_EQ(now, change.after);
                        break;
                    }
                    if (changed) {
                        EXPECT_EQ(now, change.after);
                        continue;
                    }
                    EXPECT_TRUE(now == kFourRecords || now == change.after) << now;
                    EXPECT_EQ(changed.failure().path, records.path());
                    EXPECT_EQ(changed.failure().reason, std::strerror(error));
                }
}

// A change whose every later write fails cannot be undone either; it stays in its journal, and the
// next change to the file finishes it first.
TEST(FixedRecordFileFaults, AChangeThatCannotBeUndoneIsFinishedByTheNext)
{
    TempDir dir;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize);
    for (const Change& change : std::span(kChanges).subspan(1, 5))
        for (int k = 0; k < 8; ++k) {
            SCOPED_TRACE(std::string(change.name) + ", k " + std::to_string(k));
            writeFile(records.path(), kFourRecords);
            {
                // Past the change's last write the fault never comes, and the change is done.
                const FileFault dying(FileStep::Write, EIO, {.pass = k, .times = 1000});
                (void)change.run(records);
            }
            ASSERT_TRUE(records.append(bytesOf("EEEE")));
            const std::string now = readFile(records.path());
            EXPECT_TRUE(now == kFourRecords + "EEEE" || now == change.after + "EEEE") << now;
            EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RECORDS.DAT"});
        }
}

// The journal of a delete that died while it moved record 3 onto position 2, by hand: the next
// change moves record 3 again and cuts the file.
TEST(FixedRecordFileFaults, ADeadDeleteIsFinishedFromItsJournal)
{
    TempDir dir;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize);
    writeFile(records.path(), "AAAACCCCDDCCDDDD");
    std::string image = "QMJOURN1" + std::string(40, '\0');
    image[8] = 2;   // remove
    image[16] = 4;  // record size
    image[24] = 1;  // index
    image[32] = 4;  // records before the change
    image[40] = 2;  // the position being written
    writeFile(dir / "RECORDS.DAT.journal", image);
    ASSERT_TRUE(records.replace(0, bytesOf("XXXX")));
    EXPECT_EQ(readFile(records.path()), "XXXXCCCCDDDD");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RECORDS.DAT"});
}

// A journal that does not fit the file beside it (a remove of more records than the file holds,
// say, after a copy was put back) is dropped: the next change goes through and moves nothing.
TEST(FixedRecordFileFaults, AJournalThatDoesNotFitTheFileIsDropped)
{
    TempDir dir;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize);
    writeFile(records.path(), kFourRecords);
    std::string image = "QMJOURN1" + std::string(40, '\0');
    image[8] = 2;   // remove
    image[16] = 4;  // record size
    image[24] = 1;  // index
    image[32] = 9;  // records before the change
    image[40] = 5;  // the position being written
    writeFile(dir / "RECORDS.DAT.journal", image);
    ASSERT_TRUE(records.append(bytesOf("EEEE")));
    EXPECT_EQ(readFile(records.path()), kFourRecords + "EEEE");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RECORDS.DAT"});
}

// Two programs on one file: the record read first is no longer at its index once the other
// deleted a record in front of it, and neither a replace nor a delete may then touch the file.
TEST(FixedRecordFileFaults, ARecordMovedByAnotherProgramIsLeftAlone)
{
    TempDir dir;
    FixedRecordFile first(dir / "RECORDS.DAT", kRecordSize);
    FixedRecordFile second(dir / "RECORDS.DAT", kRecordSize);
    writeFile(first.path(), kFourRecords);
    ASSERT_TRUE(second.remove(1));
    for (const Status& changed :
         {first.replace(2, bytesOf("XXXX"), bytesOf("CCCC")), first.remove(2, bytesOf("CCCC"))}) {
        ASSERT_FALSE(changed);
        EXPECT_EQ(changed.failure().kind, FailureKind::ChangedElsewhere);
    }
    EXPECT_EQ(readFile(first.path()), "AAAACCCCDDDD");
    EXPECT_TRUE(first.replace(1, bytesOf("XXXX"), bytesOf("CCCC")));
    EXPECT_EQ(readFile(first.path()), "AAAAXXXXDDDD");
}

}  // namespace
}  // namespace qm
