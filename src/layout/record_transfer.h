// Moving one record out of and into its typed record file through an exchange file (.LAY for
// shapes, .PAG for page layouts).
#pragma once

#include <filesystem>
#include <optional>

#include "common/command_outcome.h"
#include "layout/typed_record_file.h"

namespace qm {

// Writes the record to an exchange file; refused with the kind's CannotExport when the file
// cannot be created.
template <class Kind>
CommandOutcome exportRecord(const typename Kind::Record& record, const std::filesystem::path& exchangeFile,
                            const FileFaults& faults = noFileFaults())
{
    if (auto written = Kind::writeExchangeFile(exchangeFile, record, faults); !written)
        return CommandOutcome::fromFailure(written.failure(), Kind::Messages.CannotExport);
    return CommandOutcome::done();
}

// What adding a record to its file came to.
template <class Kind>
struct RecordAddition {
    CommandOutcome outcome;
    std::optional<typename Kind::Record> record;  // the record read, also when the file then refused it
    int index = -1;                               // the record index it was appended at, when it was
};

// Appends a record unchanged, creating the file when missing; refused with the kind's CannotAdd
// when it can be neither opened nor created. The name is not made unique.
template <class Kind>
RecordAddition<Kind> addRecord(TypedRecordFile<Kind> file, const typename Kind::Record& record)
{
    RecordAddition<Kind> result;
    result.record = record;
    auto appended = file.AppendRecord(record);
    if (!appended)
        result.outcome = CommandOutcome::fromFailure(appended.failure(), Kind::Messages.CannotAdd);
    else
        result.index = *appended;
    return result;
}

// Reads an exchange file, through the file faults of the record file, and appends its record
// unchanged, as addRecord does.
template <class Kind>
RecordAddition<Kind> importRecord(TypedRecordFile<Kind> file, const std::filesystem::path& exchangeFile)
{
    auto read = Kind::readExchangeFile(exchangeFile, file.faults());
    if (read) return addRecord(std::move(file), *read);
    RecordAddition<Kind> result;
    const Failure& failure = read.failure();
    result.outcome = failure.kind == FailureKind::BadContent ? CommandOutcome::refused(Kind::Messages.CorruptImport)
                                                             : CommandOutcome::fromFailure(failure, Kind::Messages.CannotImport);
    return result;
}

}  // namespace qm
