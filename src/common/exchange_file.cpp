#include "common/exchange_file.h"

#include <string>

#include "common/binary_file.h"

namespace qm {
namespace {

constexpr std::size_t kSignatureSize = 3;
constexpr std::size_t kVersionSize = 3;
constexpr std::size_t kHeaderSize = kSignatureSize + kVersionSize;

Failure badContent(const std::filesystem::path& path, const char* reason)
{
    return Failure{FailureKind::BadContent, path, reason};
}

}  // namespace

Result<std::vector<std::uint8_t>> readExchangeFile(const std::filesystem::path& path, const ExchangeFormat& format,
                                                   const FileFaults& faults)
{
    auto file = BinaryFile::open(path, BinaryFile::Mode::ReadOnly, faults);
    if (!file) return file.failure();
    std::vector<std::uint8_t> header(kHeaderSize);
    auto got = file->readSome(0, header);
    if (!got) return got.failure();
    if (*got < kSignatureSize ||
        std::string_view(reinterpret_cast<const char*>(header.data()), kSignatureSize) != format.signature)
        return badContent(path, "the file does not start with its signature");
    if (*got < kHeaderSize) return badContent(path, "the file ends inside its version text");
    std::vector<std::uint8_t> record(format.recordSize);
    got = file->readSome(kHeaderSize, record);
    if (!got) return got.failure();
    if (*got < record.size()) return badContent(path, "the file ends before the record is complete");
    return record;
}

Status writeExchangeFile(const std::filesystem::path& path, const ExchangeFormat& format,
                         std::span<const std::uint8_t> record, const FileFaults& faults)
{
    std::string contents;
    contents.reserve(kHeaderSize + record.size());
    contents.append(format.signature.substr(0, kSignatureSize));
    contents.append(format.version.substr(0, kVersionSize));
    contents.append(reinterpret_cast<const char*>(record.data()), record.size());
    return writeFileAtomically(path, contents, faults);
}

}  // namespace qm
