#pragma once

#include <string_view>

class QPlainTextEdit;

namespace sorna {

// Shows the program's text resource `name` in `control`: the stored code page 949 text. Without
// such a resource the control is left as it was.
void LoadTextResource(QPlainTextEdit& control, std::u16string_view name);

}  // namespace sorna
