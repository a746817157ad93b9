// One visitor of a std::variant made of a lambda for each alternative.
#pragma once

namespace celforo::cli {

template <typename... Visitors>
struct Overloaded : Visitors... {
  using Visitors::operator()...;
};

// Needed by compilers that deduce no aggregate's template arguments (clang 14).
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

}  // namespace celforo::cli
