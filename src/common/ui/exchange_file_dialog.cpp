#include "common/ui/exchange_file_dialog.h"

namespace qm {
namespace {

std::optional<std::filesystem::path> chooseExchangeFile(UserDialogs& dialogs, FileRequest request,
                                                        const ExchangeFileDialog& dialog, std::string& lastFile)
{
    request.title = dialog.title;
    request.filter = dialog.filter;
    request.defaultExtension = dialog.extension;
    request.initialFile = QString::fromStdString(lastFile);
    const auto chosen = dialogs.chooseFile(request);
    if (!chosen) return std::nullopt;
    lastFile = chosen->toStdString();
    return std::filesystem::path(lastFile);
}

}  // namespace

std::optional<std::filesystem::path> chooseExportFile(UserDialogs& dialogs, const ExchangeFileDialog& dialog,
                                                      std::string& lastFile)
{
    FileRequest request;
    request.kind = FileDialogKind::Save;
    request.promptOverwrite = true;
    request.folderMustExist = true;
    return chooseExchangeFile(dialogs, request, dialog, lastFile);
}

std::optional<std::filesystem::path> chooseImportFile(UserDialogs& dialogs, const ExchangeFileDialog& dialog,
                                                      std::string& lastFile)
{
    FileRequest request;
    request.fileMustExist = true;
    return chooseExchangeFile(dialogs, request, dialog, lastFile);
}

}  // namespace qm
