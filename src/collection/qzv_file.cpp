#include "collection/qzv_file.h"

#include <array>
#include <memory>

#include "common/binary_file.h"

namespace qm {
namespace {

Failure corrupt(const std::filesystem::path& path, const std::string& reason)
{
    return Failure{FailureKind::BadContent, path, reason};
}

}  // namespace

Result<OldPuzzleRecord> readQzvFile(const std::filesystem::path& path, const FileFaults& faults)
{
    auto file = BinaryFile::open(path, BinaryFile::Mode::ReadOnly, faults);
    if (!file) return file.failure();

    std::array<std::uint8_t, 4> head{};  // the signature and the length byte
    auto got = file->readSome(0, head);
    if (!got) return got.failure();
    if (*got < kQzvSignature.size() || !std::equal(kQzvSignature.begin(), kQzvSignature.end(), head.begin()))
        return corrupt(path, "no QZV signature");
    if (*got < head.size()) return corrupt(path, "the file ends before its record");

    const std::int64_t recordAt = static_cast<std::int64_t>(head.size()) + head[3];
    auto image = std::make_unique<std::array<std::uint8_t, OldPuzzleRecord::kSize>>();
    got = file->readSome(recordAt, *image);
    if (!got) return got.failure();
    if (*got < image->size()) return corrupt(path, "the file ends before its record");

    OldPuzzleRecord record;
    decodeOldPuzzleRecord(*image, record);
    return record;
}

}  // namespace qm
