#pragma once

#include <string_view>

class QWidget;

namespace sorna {

// A message with an OK button, owned by `owner` and captioned with the product name.
void ShowMessage(QWidget& owner, std::u16string_view text);

// A question with Yes and No, owned by `owner` and captioned with the product name. True only for
// Yes; closing the box counts as No.
[[nodiscard]] bool Confirm(QWidget& owner, std::u16string_view text);

}  // namespace sorna
