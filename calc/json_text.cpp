#include "calc/json_text.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace celforo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The length of the well-formed UTF-8 sequence at `at` (Unicode's table 3-7:
// no overlong form, no surrogate, nothing above U+10FFFF), or 0.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0U;
  };
  const unsigned lead = byte(0);
  const auto continuation = [&](std::size_t i, unsigned least, unsigned most) {
    return byte(i) >= least && byte(i) <= most;
  };
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return continuation(1, 0x80, 0xBF) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const unsigned least = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned most = lead == 0xED ? 0x9F : 0xBF;
    return continuation(1, least, most) && continuation(2, 0x80, 0xBF) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned least = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned most = lead == 0xF4 ? 0x8F : 0xBF;
    return continuation(1, least, most) && continuation(2, 0x80, 0xBF) &&
                   continuation(3, 0x80, 0xBF)
               ? 4
               : 0;
  }
  return 0;
}

class Parser {
public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::variant<JsonValue, JsonSyntaxError> Whole() {
    if (text_.size() > kMostJsonBytes) return JsonSyntaxError{kMostJsonBytes, "a shorter text"};
    if (text_.starts_with(kByteOrderMark)) at_ = kByteOrderMark.size();
    JsonValue value;
    if (!Value(value, 0)) return std::move(error_);
    SkipSpace();
    if (at_ != text_.size()) return JsonSyntaxError{at_, "the end of the text"};
    return value;
  }

private:
  bool Fail(std::string expected) {
    error_ = JsonSyntaxError{at_, std::move(expected)};
    return false;
  }

  void SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }

  bool Next(char c) {
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  bool Value(JsonValue& value, int depth) {
    SkipSpace();
    value.offset = at_;
    if (at_ == text_.size()) return Fail("a value");
    switch (text_[at_]) {
      case '{': return Object(value, depth + 1);
      case '[': return Array(value, depth + 1);
      case '"': value.kind = JsonKind::String; return String(value.text);
      case 't': value.boolean = true; return Word("true", value, JsonKind::Boolean);
      case 'f': return Word("false", value, JsonKind::Boolean);
      case 'n': return Word("null", value, JsonKind::Null);
      default: return Number(value);
    }
  }

  bool Word(std::string_view word, JsonValue& value, JsonKind kind) {
    if (text_.substr(at_, word.size()) != word) return Fail("a value");
    at_ += word.size();
    value.kind = kind;
    return true;
  }

  // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
  bool Number(JsonValue& value) {
    const std::size_t start = at_;
    const auto digits = [&] {
      const std::size_t first = at_;
      while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
      return at_ > first;
    };
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (!digits()) {
      at_ = start;
      return Fail("a value");
    }
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (!digits()) return Fail("a digit");
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!digits()) return Fail("a digit");
    }
    value.kind = JsonKind::Number;
    value.text = std::string(text_.substr(start, at_ - start));
    return true;
  }

  // Four hexadecimal digits after "\u".
  bool Hex4(std::uint32_t& code) {
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const int digit = at_ < text_.size() ? HexDigit(text_[at_]) : -1;
      if (digit < 0) return Fail("a hexadecimal digit");
      code = code * 16 + static_cast<std::uint32_t>(digit);
      ++at_;
    }
    return true;
  }

  bool Escape(std::string& out) {
    if (at_ == text_.size()) return Fail("an escape");
    const char c = text_[at_++];
    switch (c) {
      case '"': out += '"'; return true;
      case '\\': out += '\\'; return true;
      case '/': out += '/'; return true;
      case 'b': out += '\b'; return true;
      case 'f': out += '\f'; return true;
      case 'n': out += '\n'; return true;
      case 'r': out += '\r'; return true;
      case 't': out += '\t'; return true;
      case 'u': break;
      default: --at_; return Fail("an escape");
    }
    std::uint32_t code = 0;
    if (!Hex4(code)) return false;
    if (code >= 0xDC00 && code <= 0xDFFF) {
      at_ -= 6;
      return Fail("no lone low surrogate");
    }
    if (code >= 0xD800 && code <= 0xDBFF) {
      std::uint32_t low = 0;
      if (text_.substr(at_, 2) != "\\u") return Fail("the low surrogate of a pair");
      at_ += 2;
      if (!Hex4(low)) return false;
      if (low < 0xDC00 || low > 0xDFFF) {
        at_ -= 6;
        return Fail("the low surrogate of a pair");
      }
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, code);
    return true;
  }

  bool String(std::string& out) {
    ++at_;  // the opening quote
    while (true) {
      if (at_ == text_.size()) return Fail("'\"'");
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c == '\\') {
        ++at_;
        if (!Escape(out)) return false;
        continue;
      }
      if (static_cast<unsigned char>(c) < 0x20) return Fail("no control character");
      const std::size_t length = Utf8Length(text_, at_);
      if (length == 0) return Fail("UTF-8");
      out.append(text_.substr(at_, length));
      at_ += length;
    }
  }

  bool Array(JsonValue& value, int depth) {
    if (depth > kMostJsonDepth) return Fail("values nested less deep");
    ++at_;
    value.kind = JsonKind::Array;
    if (Next(']')) return true;
    do {
      value.elements.emplace_back();
      if (!Value(value.elements.back(), depth)) return false;
    } while (Next(','));
    if (!Next(']')) return Fail("',' or ']'");
    return true;
  }

  bool Object(JsonValue& value, int depth) {
    if (depth > kMostJsonDepth) return Fail("values nested less deep");
    ++at_;
    value.kind = JsonKind::Object;
    if (Next('}')) return true;
    do {
      SkipSpace();
      JsonMember member;
      member.offset = at_;
      if (at_ == text_.size() || text_[at_] != '"') return Fail("a key");
      if (!String(member.key)) return false;
      const bool repeated = std::any_of(value.members.begin(), value.members.end(),
                                        [&](const JsonMember& m) { return m.key == member.key; });
      if (repeated) {
        at_ = member.offset;
        return Fail("a key not given before");
      }
      if (!Next(':')) return Fail("':'");
      if (!Value(member.value, depth)) return false;
      value.members.push_back(std::move(member));
    } while (Next(','));
    if (!Next('}')) return Fail("',' or '}'");
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  JsonSyntaxError error_;
};

}  // namespace

std::variant<JsonValue, JsonSyntaxError> ParseJson(std::string_view text) {
  return Parser(text).Whole();
}

TextPosition PositionAt(std::string_view text, std::size_t offset) {
  TextPosition position;
  offset = std::min(offset, text.size());
  for (std::size_t i = 0; i < offset; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\n') {
      ++position.line;
      position.column = 1;
    } else if ((byte & 0xC0) != 0x80) {  // not a continuation byte
      ++position.column;
    }
  }
  return position;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8Length(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::size_t Utf8Characters(std::string_view text) {
  std::size_t characters = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  return characters;
}

std::string JsonString(std::string_view value) {
  std::string out = "\"";
  for (const char c : value) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[(c >> 4) & 0xF];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string_view JsonKindName(JsonKind kind) {
  switch (kind) {
    case JsonKind::Null: return "null";
    case JsonKind::Boolean: return "true or false";
    case JsonKind::Number: return "a number";
    case JsonKind::String: return "a text";
    case JsonKind::Array: return "a list";
    case JsonKind::Object: return "an object";
  }
  return "a value";
}

}  // namespace celforo
