// The byte streams celforo-calc reads its set-ups from and writes its rows and
// messages to: the standard file descriptors in the program, memory in the
// tests and the fuzz targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace celforo::cli {

// Why a read or a write failed, in the system's words ("Is a directory").
using StreamFailure = std::string;

// The system's words for errno value `error`: EISDIR gives "Is a directory".
StreamFailure SystemFailure(int error);

// The outcome of one read: the bytes that came (none at the end of the
// input), or why the read failed.
struct ReadResult {
  std::size_t size = 0;
  std::optional<StreamFailure> failure;
};

class Input {
public:
  virtual ~Input() = default;
  // Reads at most buffer.size() bytes: what is available now, waiting only
  // while nothing is.
  virtual ReadResult Read(std::span<char> buffer) = 0;
};

class Output {
public:
  virtual ~Output() = default;
  // Writes all of `bytes`; gives nothing on success, else why it failed.
  virtual std::optional<StreamFailure> Write(std::string_view bytes) = 0;
};

// A file descriptor read with read(2) (_read on Windows), retried when a
// signal interrupts it.
class FdInput final : public Input {
public:
  explicit FdInput(int fd) : fd_(fd) {}
  ReadResult Read(std::span<char> buffer) override;

private:
  int fd_;
};

// A file descriptor written with write(2) (_write on Windows), retried when a
// signal interrupts it and continued after a short write.
class FdOutput final : public Output {
public:
  explicit FdOutput(int fd) : fd_(fd) {}
  std::optional<StreamFailure> Write(std::string_view bytes) override;

private:
  int fd_;
};

// Bytes in memory, handed out at most `piece` bytes a read; then the end of
// the input, or `failureAtEnd` when one is given.
class MemoryInput final : public Input {
public:
  explicit MemoryInput(std::string_view data, std::size_t piece = 4096,
                       std::optional<StreamFailure> failureAtEnd = std::nullopt);
  ReadResult Read(std::span<char> buffer) override;

  std::size_t reads() const { return reads_; }          // calls of Read so far
  std::size_t handedOut() const { return handedOut_; }  // bytes handed out so far

private:
  std::string_view data_;
  std::size_t piece_;
  std::optional<StreamFailure> failureAtEnd_;
  std::size_t reads_ = 0;
  std::size_t handedOut_ = 0;
};

// Keeps what is written. Once `capacity` bytes are held, a write fails as on
// a full disk, after keeping what still fits.
class MemoryOutput final : public Output {
public:
  explicit MemoryOutput(std::size_t capacity = std::numeric_limits<std::size_t>::max())
      : capacity_(capacity) {}
  std::optional<StreamFailure> Write(std::string_view bytes) override;

  const std::string& text() const { return text_; }
  std::size_t writes() const { return writes_; }  // calls of Write so far

private:
  std::size_t capacity_;
  std::string text_;
  std::size_t writes_ = 0;
};

}  // namespace celforo::cli
