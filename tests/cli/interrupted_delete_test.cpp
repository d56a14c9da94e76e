// The command-line tool killed at random moments while it deletes the first of 200 puzzles:
// every other puzzle is still in the file byte for byte, the file lists, and the next change
// finishes or forgets the delete cleanly.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include <gtest/gtest.h>

#include "collection/collection_file.h"
#include "common/binary_file.h"
#include "support/cli_command.h"
#include "support/record_images.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

extern char** environ;

namespace qm {
namespace {

using test::cli;
using test::shellQuoted;
using test::TempDir;

constexpr int kPuzzles = 200;
constexpr int kKills = 20;
constexpr std::size_t kRecord = PuzzleRecord::kSize;

std::string originalCollection()
{
    std::string image;
    for (int i = 0; i < kPuzzles; ++i)
        image += test::puzzleImage("Shelf " + std::to_string(i % 7), "Puzzle " + std::to_string(i)).str();
    return image;
}

// The file in one read: the test reads 19 MB many times.
std::string wholeFile(const std::filesystem::path& path)
{
    auto contents = readWholeFile(path);
    EXPECT_TRUE(contents) << path;
    return contents ? std::move(*contents) : std::string();
}

std::string_view recordOf(std::string_view file, std::size_t index) { return file.substr(index * kRecord, kRecord); }

// Whether a ends with the records of b from first on, then tail.
bool holdsRecordsFrom(std::string_view a, std::string_view b, std::size_t first, std::string_view tail)
{
    const std::string_view kept = b.substr(first * kRecord);
    return a.size() == kept.size() + tail.size() && a.substr(0, kept.size()) == kept && a.substr(kept.size()) == tail;
}

// Starts the tool deleting record 0, kills it after the delay, and says whether the kill landed.
bool killDeleteAfter(const std::filesystem::path& file, std::chrono::microseconds delay)
{
    const std::string tool = QM_CLI, command = "delete", path = file.string(), index = "0";
    char* const argv[] = {const_cast<char*>(tool.c_str()), const_cast<char*>(command.c_str()),
                          const_cast<char*>(path.c_str()), const_cast<char*>(index.c_str()), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, tool.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(InterruptedDelete, KilledAtRandomMomentsLosesNoOtherPuzzle)
{
    TempDir dir;
    const auto file = dir / "BIG.QZ3";
    const std::string image = originalCollection();
    const std::string appended = test::puzzleImage("Late", "Appended").str();

    // One delete left to finish shows how long the window for a kill is; most of it is the tool
    // starting, which a command that only prints its help takes as long.
    const auto timed = [](const std::string& command) {
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(test::runCommand(command).status, 0) << command;
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    };
    // Each run starts from a copy the kernel makes: writing 19 MB from the test each time is slow.
    const auto original = dir / "ORIGINAL.QZ3";
    test::writeFile(original, image);
    const auto restore = [&] {
        std::filesystem::copy_file(original, file, std::filesystem::copy_options::overwrite_existing);
    };
    restore();
    const auto whole = timed(cli("delete " + shellQuoted(file) + " 0"));
    const auto startup = timed(cli("--help > /dev/null"));

    std::mt19937 random(15);
    int kills = 0;
    // Timed on a busy machine, the window may be wider than the tool later needs: a delete that
    // finished before its kill narrows the window for the next ones.
    long earliest = std::min(whole, startup).count() * 9 / 10, latest = whole.count();
    for (int attempt = 0; kills < kKills && attempt < 20 * kKills; ++attempt) {
        restore();
        const auto delay = std::chrono::microseconds(std::uniform_int_distribution<long>(earliest, latest)(random));
        if (!killDeleteAfter(file, delay)) {
            earliest = earliest * 3 / 4;
            latest = std::max(earliest, latest * 3 / 4);
            continue;
        }
        ++kills;
        SCOPED_TRACE("killed after " + std::to_string(delay.count()) + " us");

        const std::string left = wholeFile(file);
        std::set<std::string_view> present;
        for (std::size_t at = 0; at + kRecord <= left.size(); at += kRecord)
            present.insert(recordOf(left, at / kRecord));
        for (std::size_t i = 1; i < kPuzzles; ++i) ASSERT_TRUE(present.count(recordOf(image, i))) << i;
        ASSERT_EQ(test::runCommand(cli("list " + shellQuoted(file) + " >/dev/null")).status, 0);

        // The next change first finishes the delete, or finds it never began.
        CollectionFile collection(file);
        ASSERT_TRUE(collection.appendRecordBytes(
            std::span<const std::uint8_t, kRecord>(reinterpret_cast<const std::uint8_t*>(appended.data()), kRecord)));
        const std::string after = wholeFile(file);
        EXPECT_TRUE(holdsRecordsFrom(after, image, 1, appended) || holdsRecordsFrom(after, image, 0, appended));
    }
    EXPECT_EQ(kills, kKills);
}

}  // namespace
}  // namespace qm
