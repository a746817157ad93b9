// The set-up's files and the exported picture on Windows: the system's file
// dialogs (comdlg32's, which Wine has too), and files written whole or not
// at all and read up to a limit, what went wrong said in the user's words.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/form2_operations.h"

namespace celforo::win32 {

// The Save As dialog, owned by `owner`, offering `kinds` (the first first),
// `name` suggested; it asks before a file is replaced. The kind is the one
// the name's extension says, else the type chosen in the dialog. Nothing
// when the user cancels.
std::optional<ChosenFile> AskFileToWrite(HWND owner, std::string_view name,
                                         std::span<const FileKind> kinds);

// The Open dialog, owned by `owner`, for files of `kind`: the path chosen,
// or nothing when the user cancels.
std::optional<std::wstring> AskFileToRead(HWND owner, FileKind kind);

// Writes `bytes` as the whole of the file at `path` (UTF-8): first to a file
// beside it, then put in its place, so that a failure midway leaves what was
// there. Nothing when done, else why not ("Spazio esaurito sul disco.").
std::optional<std::string> WriteWholeFile(std::string_view path, std::string_view bytes);

// At most `mostBytes` of the file at `path`, or why it cannot be read.
struct FileRead {
  std::string bytes;
  std::optional<std::string> problem;
};
FileRead ReadFileStart(const std::wstring& path, std::size_t mostBytes);

// What a system error code means for the user, in Italian: ERROR_DISK_FULL
// is "Spazio esaurito sul disco."
std::string ProblemOfError(DWORD error);

}  // namespace celforo::win32
