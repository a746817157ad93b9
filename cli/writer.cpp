#include "cli/writer.h"

namespace celforo::cli {

void Writer::Flush() {
  if (!failure_ && !buffer_.empty()) failure_ = output_.Write(buffer_);
  buffer_.clear();
}

}  // namespace celforo::cli
