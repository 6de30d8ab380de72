#pragma once

#include <functional>
#include <string_view>

class QWidget;

namespace sorna {

// Starts the dictionary program at `programPath` with the tapped word as its one argument, as it
// is (no shell, no quoting), and does not wait for it. `stopAutoScroll` runs just before the
// start. A path that names nothing or a folder, or a program that cannot be started, is reported
// in a message box owned by `owner`; auto-scroll then goes on when the path was wrong.
void LaunchDictionary(QWidget& owner, std::u16string_view programPath, std::u16string_view word,
                      const std::function<void()>& stopAutoScroll);

}  // namespace sorna
