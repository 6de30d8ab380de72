#pragma once

#include <functional>
#include <string>
#include <string_view>

class QWidget;

// The small dialogs and launches the window runs for the reader: choosing a document, the
// failure to open one, and the dictionary.
namespace sorna {

// Asks for an existing document to open, starting in the user's home folder, with the text
// files offered first and all files second. The chosen path, or the empty string on cancel.
std::u16string ChooseDocumentPath(QWidget& owner);

// Tells that a document could not be opened, in the loader's words, with an OK button.
void ShowOpenFailure(QWidget& owner, std::u16string_view message);

// Starts the dictionary program at `programPath` (an absolute path, or a bare name found on
// PATH) with the tapped word as its one argument, as it is (no shell, no quoting), and does not
// wait for it. `stopAutoScroll` runs just before the start. A path that names no executable file,
// or a program that cannot be started, is reported in a message box owned by `owner`; auto-scroll
// then goes on when the path was wrong.
void LaunchDictionary(QWidget& owner, std::u16string_view programPath, std::u16string_view word,
                      const std::function<void()>& stopAutoScroll);

}  // namespace sorna
