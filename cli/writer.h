// celforo-calc's standard output or error output, gathered in a buffer and
// written in large pieces.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/byte_stream.h"

namespace celforo::cli {

// The first write that fails is kept, and everything after it is dropped.
class Writer {
public:
  explicit Writer(Output& output) : output_(output) { buffer_.reserve(kFlushAt + 256); }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void Put(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Put(char c) {
    buffer_ += c;
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Flush();
  const std::optional<StreamFailure>& failure() const { return failure_; }

private:
  static constexpr std::size_t kFlushAt = 1 << 16;
  Output& output_;
  std::string buffer_;
  std::optional<StreamFailure> failure_;
};

}  // namespace celforo::cli
