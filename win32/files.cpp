#include "win32/files.h"

#include <commdlg.h>

#include <algorithm>
#include <cwctype>

#include "win32/text.h"

namespace celforo::win32 {
namespace {

// Room for the longest path the dialogs give.
constexpr DWORD kPathRoom = 32768;

// "Impostazione CELFORO (*.json)\0*.json\0...\0".
std::wstring FilterOf(std::span<const FileKind> kinds) {
  std::wstring filter;
  for (const FileKind kind : kinds) {
    const FileType& type = FileTypeOf(kind);
    const std::wstring pattern = L"*" + Widen(type.extension);
    filter += Widen(type.description) + L" (" + pattern + L")";
    filter.push_back(L'\0');
    filter += pattern;
    filter.push_back(L'\0');
  }
  filter.push_back(L'\0');
  return filter;
}

bool EndsWithCaseless(std::wstring_view text, std::wstring_view end) {
  if (end.size() > text.size()) return false;
  return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

OPENFILENAMEW DialogOf(HWND owner, const std::wstring& filter, std::wstring& path) {
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  return dialog;
}

// The handle closed when it goes.
class File {
public:
  explicit File(HANDLE handle) : handle_(handle) {}
  ~File() {
    if (open()) CloseHandle(handle_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  bool open() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

private:
  HANDLE handle_;
};

}  // namespace

std::optional<ChosenFile> AskFileToWrite(HWND owner, std::string_view name,
                                         std::span<const FileKind> kinds) {
  if (kinds.empty()) return std::nullopt;
  std::wstring path = Widen(name);
  path.resize(kPathRoom, L'\0');
  const std::wstring filter = FilterOf(kinds);
  // Without its dot: what the dialog adds to a name typed without one.
  const std::wstring extension = Widen(FileTypeOf(kinds.front()).extension.substr(1));
  OPENFILENAMEW dialog = DialogOf(owner, filter, path);
  dialog.lpstrDefExt = extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                 OFN_HIDEREADONLY | OFN_NOREADONLYRETURN;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  path.resize(path.find(L'\0'));
  const std::size_t chosen = std::clamp<std::size_t>(dialog.nFilterIndex, 1, kinds.size()) - 1;
  ChosenFile file{Narrow(path), kinds[chosen]};
  for (const FileKind kind : kinds)
    if (EndsWithCaseless(path, Widen(FileTypeOf(kind).extension))) file.kind = kind;
  return file;
}

std::optional<std::wstring> AskFileToRead(HWND owner, FileKind kind) {
  std::wstring path(kPathRoom, L'\0');
  const std::wstring filter = FilterOf(std::span(&kind, 1));
  OPENFILENAMEW dialog = DialogOf(owner, filter, path);
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  path.resize(path.find(L'\0'));
  return path;
}

std::optional<std::string> WriteWholeFile(std::string_view path, std::string_view bytes) {
  const std::wstring target = Widen(path);
  const std::wstring beside = target + L".celforo-tmp";
  DWORD error = ERROR_SUCCESS;
  {
    const File file(CreateFileW(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.open()) return ProblemOfError(GetLastError());
    std::size_t done = 0;
    while (done < bytes.size() && error == ERROR_SUCCESS) {
      const auto part = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
      DWORD written = 0;
      if (!::WriteFile(file.get(), bytes.data() + done, part, &written, nullptr) || written == 0)
        error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
      done += written;
    }
    if (error == ERROR_SUCCESS && !FlushFileBuffers(file.get())) error = GetLastError();
  }
  if (error == ERROR_SUCCESS && !MoveFileExW(beside.c_str(), target.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error == ERROR_SUCCESS) return std::nullopt;
  DeleteFileW(beside.c_str());
  return ProblemOfError(error);
}

FileRead ReadFileStart(const std::wstring& path, std::size_t mostBytes) {
  const File file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.open()) return {{}, ProblemOfError(GetLastError())};
  FileRead read;
  read.bytes.resize(mostBytes);
  std::size_t done = 0;
  while (done < mostBytes) {
    const auto part = static_cast<DWORD>(std::min<std::size_t>(mostBytes - done, 1u << 20));
    DWORD got = 0;
    if (!ReadFile(file.get(), read.bytes.data() + done, part, &got, nullptr))
      return {{}, ProblemOfError(GetLastError())};
    if (got == 0) break;
    done += got;
  }
  read.bytes.resize(done);
  return read;
}

std::string ProblemOfError(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "Spazio esaurito sul disco.";
    case ERROR_ACCESS_DENIED:
      return "Accesso negato: il file o la cartella non si possono scrivere.";
    case ERROR_WRITE_PROTECT: return "Il disco \xC3\xA8 protetto dalla scrittura.";
    case ERROR_FILE_NOT_FOUND: return "Il file non esiste.";
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return "La cartella non esiste.";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return "Il file \xC3\xA8 in uso da un altro programma.";
    default: return "Errore di sistema " + std::to_string(error) + ".";
  }
}

}  // namespace celforo::win32
