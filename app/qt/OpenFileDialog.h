#pragma once

#include <string>

class QWidget;

namespace sorna {

// Asks for an existing document to open, starting in the user's home folder, with the text
// files offered first and all files second. The chosen path, or the empty string on cancel.
std::u16string ChooseDocumentPath(QWidget& owner);

}  // namespace sorna
