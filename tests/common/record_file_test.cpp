// Failures part way through the changes of a fixed-record file, provoked through the file faults.
#include "common/record_file.h"

#include <cerrno>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "support/planned_file_faults.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::bytesOf;
using test::FaultPlan;
using test::FileFault;
using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr std::size_t kRecordSize = 4;
const std::string kFourRecords = "AAAABBBBCCCCDDDD";

class FixedRecordFileTest : public ::testing::Test {
protected:
    void SetUp() override { writeFile(records.path(), kFourRecords); }

    TempDir dir;
    test::PlannedFileFaults faults;
    FixedRecordFile records{dir / "RECORDS.DAT", kRecordSize, {}, faults};
};

// Every change that fails reports an input/output failure with the file and the system's reason,
// and never touches the records in front of the one it changes.
TEST_F(FixedRecordFileTest, AFailedChangeReportsTheFileAndReasonAndKeepsTheRecordsInFront)
{
    struct Case {
        const char* change;
        std::function<Status(FixedRecordFile&)> run;
        FileStep step;
        int error;
        FaultPlan plan;
        std::size_t untouchedBytes;
    };
    const auto append = [](FixedRecordFile& file) { return file.append(bytesOf("EEEE")).status(); };
    const auto replaceThird = [](FixedRecordFile& file) { return file.replace(2, bytesOf("XXXX")); };
    const auto removeSecond = [](FixedRecordFile& file) { return file.remove(1); };
    const Case cases[] = {
        {"append, write", append, FileStep::Write, ENOSPC, {}, 16},
        {"append, close", append, FileStep::Close, EIO, {}, 16},
        {"replace, write", replaceThird, FileStep::Write, EIO, {}, 8},
        {"replace, close", replaceThird, FileStep::Close, EDQUOT, {}, 8},
        {"remove, first move", removeSecond, FileStep::Write, EIO, {}, 4},
        {"remove, last move", removeSecond, FileStep::Write, ENOSPC, {.pass = 1}, 4},
        {"remove, truncate", removeSecond, FileStep::Truncate, EROFS, {}, 4},
        {"remove, close", removeSecond, FileStep::Close, EIO, {}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        writeFile(records.path(), kFourRecords);
        const FileFault fault(faults, c.step, c.error, c.plan);
        const Status changed = c.run(records);
        ASSERT_FALSE(changed);
        EXPECT_EQ(changed.failure().kind, FailureKind::Io);
        EXPECT_EQ(changed.failure().path, records.path());
        EXPECT_EQ(changed.failure().reason, std::strerror(c.error));
        EXPECT_EQ(readFile(records.path()).substr(0, c.untouchedBytes), kFourRecords.substr(0, c.untouchedBytes));
    }
}

TEST_F(FixedRecordFileTest, AFailedAppendLeavesTheFileAtItsOldSize)
{
    const FileFault diskFull(faults, FileStep::Write, ENOSPC);
    EXPECT_FALSE(records.append(bytesOf("EEEE")));
    EXPECT_EQ(readFile(records.path()), kFourRecords);
}

// When cutting the torn record off fails too, the torn bytes are no record, and the next append
// writes over them.
TEST_F(FixedRecordFileTest, ATornAppendThatCannotBeCutOffStaysOutOfTheCount)
{
    {
        const FileFault diskFull(faults, FileStep::Write, ENOSPC);
        const FileFault cut(faults, FileStep::Truncate, EIO);
        const Result<int> appended = records.append(bytesOf("EEEE"));
        ASSERT_FALSE(appended);
        EXPECT_EQ(appended.failure().reason, std::strerror(ENOSPC));
    }
    EXPECT_EQ(readFile(records.path()), kFourRecords + "EE");
    EXPECT_EQ(*records.count(), 4);
    EXPECT_EQ(*records.append(bytesOf("FFFF")), 4);
    EXPECT_EQ(readFile(records.path()), kFourRecords + "FFFF");
}

}  // namespace
}  // namespace qm
