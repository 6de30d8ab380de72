#pragma once

#include <string_view>

class QCoreApplication;
class QPlainTextEdit;

// What ships with the program besides its code: text resources and Qt's Korean translation.
namespace sorna {

// Shows the program's text resource `name` in `control`: the stored code page 949 text. Without
// such a resource the control is left as it was.
void LoadTextResource(QPlainTextEdit& control, std::u16string_view name);

// Gives Qt's own texts (message-box buttons, file dialog) in Korean: Qt's Korean translation when
// it is installed, and the message-box buttons "예", "아니요" and "확인" in any case. The
// translators belong to the application. Returns whether Qt's translation was found.
[[nodiscard]] bool LoadKoreanTranslation(QCoreApplication& application);

}  // namespace sorna
