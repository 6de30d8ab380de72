#pragma once

#include <string>
#include <string_view>

namespace sorna {

// The window caption for the open document's title ("a.txt - Sorna 1.71"), or the product alone
// when no document is open.
std::u16string TitleText(std::u16string_view documentTitle);

}  // namespace sorna
