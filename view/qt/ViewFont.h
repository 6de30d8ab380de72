#pragma once

#include <QFont>

#include "view/FontDescription.h"

namespace sorna {

// The font the view measures and draws with: the face, when it is installed, for everything it
// has, and an installed Korean family for the rest, so that a face without Hangul still shows
// Korean text. A face that is not installed leaves the Korean family alone. Advances are whole
// pixels and unkerned, as the layout sums them.
QFont MakeViewFont(const FontDescription& description);

}  // namespace sorna
