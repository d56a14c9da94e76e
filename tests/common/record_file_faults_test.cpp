// Every change of a fixed-record file with its k-th file operation failing, for every k, every
// step and both a failing disk and a full one; and changes a dead process left half done.
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "common/binary_file.h"
#include "common/record_file.h"
#include "support/planned_file_faults.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::bytesOf;
using test::FileFault;
using test::PlannedFileFaults;
using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr std::size_t kRecordSize = 4;
const std::string kFourRecords = "AAAABBBBCCCCDDDD";

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

std::string removeJournal(int index, int count, int position)
{
    return test::removeJournalImage(kRecordSize, index, count, position);
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

constexpr FileStep kSteps[] = {FileStep::Open,   FileStep::Write,    FileStep::Sync, FileStep::Close,
                               FileStep::Rename, FileStep::Truncate, FileStep::Lock};

TEST(FixedRecordFileFaults, EveryFailingOperationLeavesTheOldFileOrTheNewOne)
{
    TempDir dir;
    PlannedFileFaults faults;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize, {}, faults);
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
                        const FileFault fault(faults, step, error, {.pass = k});
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
    PlannedFileFaults faults;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize, {}, faults);
    for (const Change& change : std::span(kChanges).subspan(1, 5))
        for (int k = 0; k < 8; ++k) {
            SCOPED_TRACE(std::string(change.name) + ", k " + std::to_string(k));
            writeFile(records.path(), kFourRecords);
            {
                // Past the change's last write the fault never comes, and the change is done.
                const FileFault dying(faults, FileStep::Write, EIO, {.pass = k, .times = 1000});
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
    writeFile(dir / "RECORDS.DAT.journal", removeJournal(1, 4, 2));
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
    writeFile(dir / "RECORDS.DAT.journal", removeJournal(1, 9, 5));
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

// Some network shares refuse locks altogether; there every change goes on unlocked and says nothing.
TEST(FixedRecordFileLocks, AFileSystemWithoutLocksStillTakesEveryChange)
{
    TempDir dir;
    PlannedFileFaults faults;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize, {}, faults);
    for (const int error : {ENOLCK, EOPNOTSUPP})
        for (const Change& change : kChanges) {
            SCOPED_TRACE(std::string(change.name) + ", error " + std::to_string(error));
            writeFile(records.path(), kFourRecords);
            const FileFault noLocks(faults, FileStep::Lock, error, {.times = 1000});
            EXPECT_TRUE(change.run(records));
            EXPECT_EQ(readFile(records.path()), change.after);
            EXPECT_EQ(records.count().value(), static_cast<int>(change.after.size() / kRecordSize));
        }
}

// A lock another program lets go of in time is waited for, and the wait is shown while it lasts.
TEST(FixedRecordFileLocks, ALockReleasedInTimeIsWaitedFor)
{
    TempDir dir;
    std::vector<bool> shown;
    PlannedFileFaults faults;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize,
                            {std::chrono::seconds(60), [&](bool waiting) { shown.push_back(waiting); }}, faults);
    writeFile(records.path(), kFourRecords);
    const FileFault heldTwice(faults, FileStep::Lock, EWOULDBLOCK, {.times = 2});
    ASSERT_TRUE(records.replace(1, bytesOf("XXXX")));
    EXPECT_TRUE(heldTwice.fired());
    EXPECT_EQ(readFile(records.path()), "AAAAXXXXCCCCDDDD");
    EXPECT_EQ(shown, (std::vector<bool>{true, false}));
}

// A lock another program keeps is waited for only so long: then the change, and a read, are
// refused as a change by another program, and the file is as it was.
TEST(FixedRecordFileLocks, ALockKeptByAnotherProgramRefusesAfterTheWait)
{
    TempDir dir;
    std::vector<bool> shown;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize,
                            {std::chrono::milliseconds(100), [&](bool waiting) { shown.push_back(waiting); }});
    writeFile(records.path(), kFourRecords);
    auto other = BinaryFile::open(records.path(), BinaryFile::Mode::ReadWrite);
    ASSERT_TRUE(other);
    ASSERT_TRUE(other->lock(true));
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        shown.clear();
        const Status changed = change.run(records);
        ASSERT_FALSE(changed);
        EXPECT_EQ(changed.failure().kind, FailureKind::ChangedElsewhere);
        EXPECT_EQ(changed.failure().path, records.path());
        EXPECT_EQ(shown, (std::vector<bool>{true, false}));
    }
    const Result<int> counted = records.count();
    ASSERT_FALSE(counted);
    EXPECT_EQ(counted.failure().kind, FailureKind::ChangedElsewhere);
    EXPECT_EQ(readFile(records.path()), kFourRecords);
}

// A read after a change that died sees the change finished, never the record it left half written.
TEST(FixedRecordFileFaults, AReadFinishesADeadChangeFirst)
{
    TempDir dir;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize);
    writeFile(records.path(), "AAAACCCCDDCCDDDD");
    writeFile(dir / "RECORDS.DAT.journal", removeJournal(1, 4, 2));
    std::array<std::uint8_t, kRecordSize> record{};
    ASSERT_TRUE(records.read(2, record));
    EXPECT_EQ(std::string(record.begin(), record.end()), "DDDD");
    EXPECT_EQ(readFile(records.path()), "AAAACCCCDDDD");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"RECORDS.DAT"});
}

// A span that is not one record is refused before the file is touched.
TEST(FixedRecordFileFaults, ASpanOfAnotherSizeIsRefused)
{
    TempDir dir;
    FixedRecordFile records(dir / "RECORDS.DAT", kRecordSize);
    writeFile(records.path(), kFourRecords);
    std::array<std::uint8_t, 3> shortRecord{};
    for (const Status& refused :
         {records.read(0, shortRecord), records.append(bytesOf("EEEEE")).status(), records.replace(0, bytesOf("XXX")),
          records.replace(0, bytesOf("XXXX"), bytesOf("A")), records.remove(0, bytesOf("AAAAA"))}) {
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.failure().path, records.path());
    }
    EXPECT_EQ(readFile(records.path()), kFourRecords);
}

}  // namespace
}  // namespace qm
