#pragma once

#include <string>
#include <string_view>

#include "platform/registry/RegistryKeyNode.h"

namespace sorna {

// The regedit-style text that holds one root: a header line, then for every key with values or
// without sub-keys a section "[HKEY_CURRENT_USER\SOFTWARE\QARVEN\SORNA]" (a section creates the
// keys above it too) with one line per value:
//   "name"="text"          REG_SZ, with \\ and \" escapes
//   "name"=dword:0000000f  REG_DWORD
//   "name"=hex:01,02       REG_BINARY
//   "name"=hex(7):41,00,\  any other type, or a string that cannot stand literally; a line
//     00,00                ending in a backslash goes on in the next line
// "@" names the key's unnamed value; lines starting with ";" are comments.
inline constexpr std::string_view kRegistryFileHeader = "Windows Registry Editor Version 5.00";

// Reads text into root, whose name is the root's ("HKEY_CURRENT_USER"). The text is UTF-8, or
// UTF-16LE after the mark FF FE as the registry editor of Windows exports it. A line that cannot be
// read is skipped, and so are the values under a section that cannot be read or names another
// root. Values that `unwanted` names are passed over, their data unread. True when every line was
// understood and the header came first.
[[nodiscard]] bool ParseRegistryText(std::string_view text, RegistryKeyNode& root,
                                     const RegistryValueFilter& unwanted = {});

// The text of root and every key below it, in a form ParseRegistryText reads back exactly.
std::string WriteRegistryText(const RegistryKeyNode& root);

}  // namespace sorna
