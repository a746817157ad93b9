#include "cli/byte_stream.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

#if defined(_WIN32)
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace celforo::cli {

StreamFailure SystemFailure(int error) {
  return std::strerror(error);
}

namespace {

#if defined(_WIN32)
// The Windows calls take and give int counts.
constexpr std::size_t kLargestCall = INT_MAX;

long ReadSome(int fd, char* buffer, std::size_t size) {
  return _read(fd, buffer, static_cast<unsigned>(std::min(size, kLargestCall)));
}
long WriteSome(int fd, const char* bytes, std::size_t size) {
  return _write(fd, bytes, static_cast<unsigned>(std::min(size, kLargestCall)));
}
bool Retry(int error, int /*fd*/, short /*events*/) {
  return error == EINTR;
}
#else
constexpr std::size_t kLargestCall = SSIZE_MAX;

long ReadSome(int fd, char* buffer, std::size_t size) {
  return ::read(fd, buffer, std::min(size, kLargestCall));
}
long WriteSome(int fd, const char* bytes, std::size_t size) {
  return ::write(fd, bytes, std::min(size, kLargestCall));
}
// Whether a failed call is worth making again: after a signal, or on a
// descriptor left non-blocking by whoever handed it over, once it is ready.
bool Retry(int error, int fd, short events) {
  if (error == EINTR) return true;
  if (error != EAGAIN && error != EWOULDBLOCK) return false;
  pollfd ready{fd, events, 0};
  while (::poll(&ready, 1, -1) < 0 && errno == EINTR) {
  }
  return true;
}
#endif

}  // namespace

ReadResult FdInput::Read(std::span<char> buffer) {
  for (;;) {
    const long count = ReadSome(fd_, buffer.data(), buffer.size());
    if (count >= 0) return {static_cast<std::size_t>(count), std::nullopt};
    const int error = errno;
#if defined(_WIN32)
    if (!Retry(error, fd_, 0)) return {0, SystemFailure(error)};
#else
    if (!Retry(error, fd_, POLLIN)) return {0, SystemFailure(error)};
#endif
  }
}

std::optional<StreamFailure> FdOutput::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const long count = WriteSome(fd_, bytes.data(), bytes.size());
    if (count > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(count));
      continue;
    }
    if (count == 0) return SystemFailure(EIO);  // no progress and no reason given
    const int error = errno;
#if defined(_WIN32)
    if (!Retry(error, fd_, 0)) return SystemFailure(error);
#else
    if (!Retry(error, fd_, POLLOUT)) return SystemFailure(error);
#endif
  }
  return std::nullopt;
}

MemoryInput::MemoryInput(std::string_view data, std::size_t piece,
                         std::optional<StreamFailure> failureAtEnd)
    : data_(data),
      piece_(std::max<std::size_t>(piece, 1)),
      failureAtEnd_(std::move(failureAtEnd)) {}

ReadResult MemoryInput::Read(std::span<char> buffer) {
  ++reads_;
  if (handedOut_ == data_.size() && failureAtEnd_) return {0, failureAtEnd_};
  const std::size_t size = std::min({piece_, buffer.size(), data_.size() - handedOut_});
  std::copy_n(data_.data() + handedOut_, size, buffer.data());
  handedOut_ += size;
  return {size, std::nullopt};
}

std::optional<StreamFailure> MemoryOutput::Write(std::string_view bytes) {
  ++writes_;
  const std::size_t room = capacity_ - text_.size();
  text_.append(bytes.substr(0, room));
  if (bytes.size() > room) return SystemFailure(ENOSPC);
  return std::nullopt;
}

}  // namespace celforo::cli
