#pragma once
// Names are Windows-1252 bytes below the window; sources and Qt speak UTF-8.
#include <string>
#include <string_view>

// UTF-8 to Windows-1252; characters it cannot hold become '?'.
std::string Ansi(std::string_view Utf8);
// Windows-1252 to UTF-8; the five undefined bytes map to U+FFFD.
std::string Utf8(std::string_view Ansi);
// Whether every character of a UTF-8 text exists in Windows-1252.
bool RepresentableEnAnsi(std::string_view Utf8);
