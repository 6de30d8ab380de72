#pragma once

class QCoreApplication;

namespace sorna {

// Gives Qt's own texts (message-box buttons, file dialog) in Korean: Qt's Korean translation when
// it is installed, and the message-box buttons "예", "아니요" and "확인" in any case. The
// translators belong to the application. Returns whether Qt's translation was found.
bool LoadKoreanTranslation(QCoreApplication& application);

}  // namespace sorna
