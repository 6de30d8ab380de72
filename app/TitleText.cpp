#include "app/TitleText.h"

#include "resources/AppStrings.h"
#include "resources/Format.h"

namespace sorna {

std::u16string TitleText(std::u16string_view documentTitle) {
    if (documentTitle.empty()) {
        return FormatText(kCaptionWithoutDocument, {kProductName, kProductVersion});
    }
    return FormatText(kCaptionWithDocument, {documentTitle, kProductName, kProductVersion});
}

}  // namespace sorna
