#pragma once

#include <QFont>

#include "view/FontDescription.h"

namespace sorna {

// The font the view measures and draws with. A face that is not installed, or that has no
// Hangul, is replaced by an installed Korean family, so that Hangul is measured and drawn in
// one font. Advances are whole pixels and unkerned, as the layout sums them.
QFont MakeViewFont(const FontDescription& description);

}  // namespace sorna
