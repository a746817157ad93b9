// A set-up carried in a web address's fragment, which a browser never sends
// to a server: "#setup=" and the set-up's compact JSON in base64url (RFC 4648,
// section 5, without padding). {"version":1} travels as
// "#setup=eyJ2ZXJzaW9uIjoxfQ".
#pragma once

#include <string>
#include <string_view>

#include "calc/setup_file.h"

namespace celforo {

inline constexpr std::string_view kSetupFragmentPrefix = "#setup=";

// "#setup=" and WriteSetup(setup, SetupLayout::Compact) in base64url.
std::string SetupFragment(const Setup& setup);

// The set-up a fragment carries, with or without its "#", or the reason it
// is refused: a fragment that is not "setup=" and base64url (its letters,
// digits, "-" and "_", no padding, no bits left over), or a set-up ReadSetup
// refuses, whose reason follows "the link's set-up: ". Changes nothing.
SetupReading ReadSetupFragment(std::string_view fragment);

// RFC 4648's base64url without padding: "?>" is "Pz4". The bytes `text`
// encodes, or nothing for a text of other characters, of a length no bytes
// have (a multiple of 4 plus 1), or with bits left over set.
std::string Base64UrlText(std::string_view bytes);
std::optional<std::string> Base64UrlBytes(std::string_view text);

}  // namespace celforo
