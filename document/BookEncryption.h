#pragma once

#include <set>
#include <string>
#include <string_view>

namespace sorna {

// The entries that META-INF/encryption.xml (decoded) says are encrypted: the URI of each
// CipherReference, resolved from the book's root. A book whose text is among them is protected;
// fonts obfuscated against copying are listed too, and harm nothing, since fonts are not read.
std::set<std::string, std::less<>> EncryptedEntries(std::u16string_view encryption);

}  // namespace sorna
