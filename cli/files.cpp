#include "cli/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <utility>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace celforo::cli {
namespace {

// The most a temporary name is tried with another number before giving up.
constexpr int kTemporaryNames = 100;

#if defined(_WIN32)
// The Windows calls take and give int counts, and names in UTF-16.
constexpr std::size_t kLargestCall = INT_MAX;
using NativeName = std::wstring;

NativeName Native(std::string_view path) {
  const int size = static_cast<int>(std::min<std::size_t>(path.size(), INT_MAX));
  const int wide = MultiByteToWideChar(CP_UTF8, 0, path.data(), size, nullptr, 0);
  NativeName name(static_cast<std::size_t>(wide), L'\0');
  if (wide > 0) MultiByteToWideChar(CP_UTF8, 0, path.data(), size, name.data(), wide);
  return name;
}
int OpenToRead(const NativeName& name) {
  return _wopen(name.c_str(), _O_RDONLY | _O_BINARY);
}
int OpenToWrite(const NativeName& name) {
  return _wopen(name.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY);
}
int CreateNew(const NativeName& name) {
  return _wopen(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long ReadSome(int fd, char* buffer, std::size_t size) {
  return _read(fd, buffer, static_cast<unsigned>(std::min(size, kLargestCall)));
}
long WriteSome(int fd, const char* bytes, std::size_t size) {
  return _write(fd, bytes, static_cast<unsigned>(std::min(size, kLargestCall)));
}
int Flush(int fd) {
  return _commit(fd);
}
int Close(int fd) {
  return _close(fd);
}
void Remove(const NativeName& name) {
  _wunlink(name.c_str());
}
// Whether `name` is a regular file, and its mode, where it exists.
bool IsOtherThanFile(const NativeName& name, int& mode) {
  struct _stat64 status;
  if (_wstat64(name.c_str(), &status) != 0) return false;
  mode = status.st_mode;
  return (status.st_mode & _S_IFREG) == 0;
}
// Windows has no links worth following here.
NativeName Followed(const NativeName& name) {
  return name;
}
void KeepMode(int, int) {}
int RenameOver(const NativeName& from, const NativeName& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: errno = ENOENT; break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: errno = EACCES; break;
    case ERROR_DISK_FULL: errno = ENOSPC; break;
    default: errno = EIO; break;
  }
  return -1;
}
#else
constexpr std::size_t kLargestCall = SSIZE_MAX;
using NativeName = std::string;

NativeName Native(std::string_view path) {
  return NativeName(path);
}
int OpenToRead(const NativeName& name) {
  return ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
}
int OpenToWrite(const NativeName& name) {
  return ::open(name.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
}
int CreateNew(const NativeName& name) {
  return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long ReadSome(int fd, char* buffer, std::size_t size) {
  return ::read(fd, buffer, std::min(size, kLargestCall));
}
long WriteSome(int fd, const char* bytes, std::size_t size) {
  return ::write(fd, bytes, std::min(size, kLargestCall));
}
// On the disk before the rename, so that a crash leaves the old file or the
// new one whole; a file system that cannot say so has done what it can.
int Flush(int fd) {
  if (::fsync(fd) == 0) return 0;
  return errno == EINVAL || errno == ENOSYS || errno == ENOTSUP ? 0 : -1;
}
int Close(int fd) {
  return ::close(fd);
}
void Remove(const NativeName& name) {
  ::unlink(name.c_str());
}
bool IsOtherThanFile(const NativeName& name, int& mode) {
  struct stat status;
  if (::stat(name.c_str(), &status) != 0) return false;
  mode = static_cast<int>(status.st_mode);
  return !S_ISREG(status.st_mode);
}
// The file a link leads to, so that the link is kept; the name itself where
// it is no link, or one that leads nowhere.
NativeName Followed(const NativeName& name) {
  struct stat status;
  if (::lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return name;
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(name.c_str(), nullptr),
                                                             &std::free);
  return resolved ? NativeName(resolved.get()) : name;
}
// The file replaced keeps its permissions.
void KeepMode(int fd, int mode) {
  if (mode >= 0) static_cast<void>(::fchmod(fd, static_cast<mode_t>(mode & 07777)));
}
int RenameOver(const NativeName& from, const NativeName& to) {
  return std::rename(from.c_str(), to.c_str());
}
#endif

template <typename Call>
auto Retried(Call call) {
  for (;;) {
    const auto result = call();
    if (result >= 0 || errno != EINTR) return result;
  }
}

// Writes all of `bytes` to `fd`; gives nothing on success, else why not.
std::optional<StreamFailure> WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const long count = Retried([&] { return WriteSome(fd, bytes.data(), bytes.size()); });
    if (count < 0) return SystemFailure(errno);
    if (count == 0) return SystemFailure(EIO);  // no progress and no reason given
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return std::nullopt;
}

// Writes `bytes` to what `name` names, a device or a pipe, as it comes.
std::optional<StreamFailure> WriteDirectly(const NativeName& name, std::string_view bytes) {
  const int fd = Retried([&] { return OpenToWrite(name); });
  if (fd < 0) return SystemFailure(errno);
  std::optional<StreamFailure> failure = WriteAll(fd, bytes);
  if (Close(fd) != 0 && !failure) failure = SystemFailure(errno);
  return failure;
}

}  // namespace

FileReading DiskFiles::Read(std::string_view path, std::size_t most) {
  const int fd = Retried([&] { return OpenToRead(Native(path)); });
  if (fd < 0) return {{}, SystemFailure(errno)};
  std::string bytes;
  std::optional<StreamFailure> failure;
  char buffer[16384];
  while (bytes.size() < most) {
    const long count =
        Retried([&] { return ReadSome(fd, buffer, std::min(sizeof buffer, most - bytes.size())); });
    if (count < 0) {
      failure = SystemFailure(errno);
      break;
    }
    if (count == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  Close(fd);
  if (failure) return {{}, failure};
  return {std::move(bytes), std::nullopt};
}

std::optional<StreamFailure> DiskFiles::Replace(std::string_view path, std::string_view bytes) {
  const NativeName name = Followed(Native(path));
  int mode = -1;
  if (IsOtherThanFile(name, mode)) return WriteDirectly(name, bytes);
  NativeName temporary;
  int fd = -1;
  for (int number = 0; number < kTemporaryNames && fd < 0; ++number) {
    temporary = name + Native("." + std::to_string(number) + ".tmp");
    fd = Retried([&] { return CreateNew(temporary); });
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return SystemFailure(errno);
  KeepMode(fd, mode);
  std::optional<StreamFailure> failure = WriteAll(fd, bytes);
  if (!failure && Flush(fd) != 0) failure = SystemFailure(errno);
  if (Close(fd) != 0 && !failure) failure = SystemFailure(errno);
  if (!failure && RenameOver(temporary, name) != 0) failure = SystemFailure(errno);
  if (failure) Remove(temporary);
  return failure;
}

FileReading MemoryFiles::Read(std::string_view path, std::size_t most) {
  const std::string* file = Find(path);
  if (file == nullptr) return {{}, SystemFailure(ENOENT)};
  return {file->substr(0, most), std::nullopt};
}

std::optional<StreamFailure> MemoryFiles::Replace(std::string_view path, std::string_view bytes) {
  if (writeFailure_) return writeFailure_;
  ++replaced_;
  files_.insert_or_assign(std::string(path), std::string(bytes));
  return std::nullopt;
}

const std::string* MemoryFiles::Find(std::string_view path) const {
  const auto found = files_.find(path);
  return found == files_.end() ? nullptr : &found->second;
}

}  // namespace celforo::cli
