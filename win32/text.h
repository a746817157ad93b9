// The program's texts are UTF-8; the Windows API's are UTF-16. These two turn
// one into the other at the window system's edge.
#pragma once

#include <string>
#include <string_view>

namespace celforo::win32 {

// "FOC. OBBIETTIVO" becomes L"FOC. OBBIETTIVO".
std::wstring Widen(std::string_view utf8);

// A lone surrogate, which UTF-8 cannot hold, becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

}  // namespace celforo::win32
