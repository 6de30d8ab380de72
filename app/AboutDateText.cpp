#include "app/AboutDateText.h"

#include "resources/Format.h"

namespace sorna {

std::u16string AboutDateText(std::string_view buildDate) {
    return u"( " + Widen(buildDate) + u" )";
}

}  // namespace sorna
