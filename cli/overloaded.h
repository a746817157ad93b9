// One visitor of a std::variant made of a lambda for each alternative.
#pragma once

namespace celforo::cli {

template <typename... Visitors>
struct Overloaded : Visitors... {
  using Visitors::operator()...;
};

}  // namespace celforo::cli
