#pragma once

#include <string_view>

class QPlainTextEdit;

namespace sorna {

// Shows the program's text resource `name` in `control`: the stored code page 949 text, with
// every tab as four spaces when `expandTabs` is set. False, and the control left as it was, when
// the program has no such resource.
bool LoadTextResource(QPlainTextEdit& control, std::u16string_view name, bool expandTabs);

}  // namespace sorna
