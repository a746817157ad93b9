#include "calc/setup_link.h"

#include <cstdint>
#include <optional>

namespace celforo {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// The sextet a character stands for, or -1.
int Sextet(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '-') return 62;
  if (c == '_') return 63;
  return -1;
}

// The longest fragment whose bytes can be a set-up ReadSetup reads.
constexpr std::size_t kMostFragmentText = (kMostSetupBytes * 4 + 2) / 3;

SetupProblem LinkProblem(std::string reason) {
  SetupProblem problem;
  problem.fault = SetupFault::NotALink;
  problem.reason = "the link's set-up: " + std::move(reason);
  return problem;
}

}  // namespace

std::string Base64UrlText(std::string_view bytes) {
  std::string text;
  text.reserve((bytes.size() * 4 + 2) / 3);
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : bytes) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    count += 8;
    while (count >= 6) {
      count -= 6;
      text += kAlphabet[(bits >> count) & 0x3F];
    }
  }
  if (count > 0) text += kAlphabet[(bits << (6 - count)) & 0x3F];
  return text;
}

std::optional<std::string> Base64UrlBytes(std::string_view text) {
  if (text.size() % 4 == 1) return std::nullopt;
  std::string bytes;
  bytes.reserve(text.size() * 3 / 4);
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : text) {
    const int sextet = Sextet(c);
    if (sextet < 0) return std::nullopt;
    bits = ((bits << 6) | static_cast<std::uint32_t>(sextet)) & 0xFFFFFF;
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  if ((bits & ((1U << count) - 1)) != 0) return std::nullopt;  // bits left over
  return bytes;
}

std::string SetupFragment(const Setup& setup) {
  return std::string(kSetupFragmentPrefix) + Base64UrlText(WriteSetup(setup, SetupLayout::Compact));
}

SetupReading ReadSetupFragment(std::string_view fragment) {
  if (fragment.starts_with('#')) fragment.remove_prefix(1);
  const std::string_view prefix = kSetupFragmentPrefix.substr(1);
  if (!fragment.starts_with(prefix)) return LinkProblem("the address has no \"#setup=\"");
  const std::string_view text = fragment.substr(prefix.size());
  if (text.size() > kMostFragmentText) {
    return LinkProblem(std::to_string(text.size()) + " characters, more than the " +
                       std::to_string(kMostFragmentText) + " read");
  }
  const std::optional<std::string> bytes = Base64UrlBytes(text);
  if (!bytes) {
    return LinkProblem(
        "not base64url (letters, digits, \"-\" and \"_\"): the link was cut or changed");
  }
  SetupReading reading = ReadSetup(*bytes);
  if (auto* problem = std::get_if<SetupProblem>(&reading))
    problem->reason = "the link's set-up: " + problem->reason;
  return reading;
}

}  // namespace celforo
