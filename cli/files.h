// The files celforo-calc reads and writes by name, beside its streams: the
// set-up file of --setup and the picture of --picture. On disk in the
// program, in memory in the tests and the fuzz targets.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "cli/byte_stream.h"  // StreamFailure

namespace celforo::cli {

// The bytes of a file, or why it cannot be read in the system's words ("No
// such file or directory").
struct FileReading {
  std::string bytes;
  std::optional<StreamFailure> failure;  // with no bytes
};

class Files {
public:
  virtual ~Files() = default;
  // The first `most` bytes of the file named `path` (UTF-8), all of it when
  // it is shorter: a caller that refuses files over a size asks for one
  // byte more than it takes.
  virtual FileReading Read(std::string_view path, std::size_t most) = 0;
  // Makes `bytes` the whole of the file named `path`: a file there before is
  // replaced only once every byte is written, and a failure leaves it as it
  // was. Gives nothing on success, else why it failed.
  virtual std::optional<StreamFailure> Replace(std::string_view path, std::string_view bytes) = 0;
};

// The machine's files. Replace writes a new file beside the named one
// ("sky.svg" is written as "sky.svg.0.tmp"), flushes it to the disk and
// renames it over the named one, so that a failure or a crash midway never
// leaves half a file under the name. A name that is a link is followed to
// its file, and one that is not a regular file (a device, a pipe) is written
// to directly, where there is no file to keep.
class DiskFiles final : public Files {
public:
  FileReading Read(std::string_view path, std::size_t most) override;
  std::optional<StreamFailure> Replace(std::string_view path, std::string_view bytes) override;
};

// Files in memory, by name; what Replace writes is kept for the caller to
// look at. Replace fails with `writeFailure` where one is given, and leaves
// the files as they were.
class MemoryFiles final : public Files {
public:
  explicit MemoryFiles(std::map<std::string, std::string, std::less<>> files = {},
                       std::optional<StreamFailure> writeFailure = std::nullopt)
      : files_(std::move(files)), writeFailure_(std::move(writeFailure)) {}
  FileReading Read(std::string_view path, std::size_t most) override;
  std::optional<StreamFailure> Replace(std::string_view path, std::string_view bytes) override;

  // The file named `path`, none where there is none.
  const std::string* Find(std::string_view path) const;
  const std::map<std::string, std::string, std::less<>>& files() const { return files_; }
  std::size_t replaced() const { return replaced_; }  // files written so far

private:
  std::map<std::string, std::string, std::less<>> files_;
  std::optional<StreamFailure> writeFailure_;
  std::size_t replaced_ = 0;
};

}  // namespace celforo::cli
