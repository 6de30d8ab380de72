#pragma once

#include <QFont>

#include "view/FontDescription.h"

namespace sorna {

// The font the view measures and draws with: the face, when it is a text family, for everything
// it has, and an installed Korean family for the rest, so that a face without Hangul still shows
// Korean text. Any other face leaves the Korean family alone. Advances are whole
// pixels and unkerned, as the layout sums them.
QFont MakeViewFont(const FontDescription& description);

// Whether the view draws in `family` when it is chosen: an installed family, not a generic name
// such as "Serif", and not a symbol font, which has no letters to show text in.
bool IsTextFamily(const QString& family);

}  // namespace sorna
