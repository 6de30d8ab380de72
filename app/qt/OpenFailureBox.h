#pragma once

#include <string_view>

class QWidget;

namespace sorna {

// Tells that a document could not be opened, in the loader's words, with an OK button.
void ShowOpenFailure(QWidget& owner, std::u16string_view message);

}  // namespace sorna
