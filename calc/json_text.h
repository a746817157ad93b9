// JSON text (RFC 8259) read into a tree of values, and the pieces a writer
// of JSON needs. The set-up files and links and the kit's stored entries are
// JSON; anything may be handed to the reader, so it is bounded: a text of at
// most kMostJsonBytes and values nested at most kMostJsonDepth deep.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace celforo {

inline constexpr std::size_t kMostJsonBytes = 64 * 1024;
inline constexpr int kMostJsonDepth = 16;

enum class JsonKind { Null, Boolean, Number, String, Array, Object };

struct JsonMember;

struct JsonValue {
  JsonKind kind = JsonKind::Null;
  bool boolean = false;
  // A string's characters, decoded, in UTF-8; a number's text as written,
  // for ReadStrictNumber to read: "-2.5e3".
  std::string text;
  std::vector<JsonValue> elements;  // an array's
  std::vector<JsonMember> members;  // an object's, in the order written
  std::size_t offset = 0;           // where the value begins in the text, in bytes
};

struct JsonMember {
  std::string key;
  JsonValue value;
  std::size_t offset = 0;  // where the key begins
};

// Why a text is not JSON, and where: `expected` says what should have stood
// at `offset` ("',' or '}'", "a value", "the end of the text").
struct JsonSyntaxError {
  std::size_t offset = 0;
  std::string expected;
};

// The one value `text` holds, between optional white space (space, tab,
// line feed, carriage return); a leading UTF-8 byte order mark is skipped.
// Refused: anything RFC 8259 does not allow, a string that is not UTF-8 or
// holds a lone surrogate, an object naming a key twice, a text longer than
// kMostJsonBytes (at offset kMostJsonBytes) and values nested deeper than
// kMostJsonDepth. `{"a": [1, true]}` is an object of one member, an array.
std::variant<JsonValue, JsonSyntaxError> ParseJson(std::string_view text);

// A place in a text as a person counts it, both from 1; the column in
// characters of UTF-8: offset 9 of "{\n  \"é\": x" is line 2, column 7.
struct TextPosition {
  std::size_t line = 1;
  std::size_t column = 1;
};
TextPosition PositionAt(std::string_view text, std::size_t offset);

// Whether `text` is well-formed UTF-8 (no overlong form, no surrogate,
// nothing above U+10FFFF): "caf\xC3\xA9" is, "caf\xE9" is not.
bool IsUtf8(std::string_view text);

// The characters of UTF-8 text, counted by the bytes that begin one (all but
// the continuation bytes 10xxxxxx): "Pl\xC3\xB6ssl" has 6.
std::size_t Utf8Characters(std::string_view text);

// `value` as a JSON string, quotes included: a quote, a backslash and the
// control characters escaped ("\n", "\t", "\u001f"), every other character
// as it is: a"b is written "a\"b".
std::string JsonString(std::string_view value);

// The JSON name of a value's kind, for a reason: "a number", "an object".
std::string_view JsonKindName(JsonKind kind);

}  // namespace celforo
