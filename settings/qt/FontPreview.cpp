#include "settings/qt/FontPreview.h"

#include "platform/qt/QtConversions.h"
#include "resources/SettingsStrings.h"
#include "view/qt/ViewFont.h"

namespace sorna {

FontPreview::FontPreview(QWidget& parent) : QLabel(ToQString(kFontPreviewSample), &parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setAutoFillBackground(true);
    setContentsMargins(4, 2, 4, 2);
}

void FontPreview::Show(const FontDescription& font, uint32_t textColour, uint32_t backColour) {
    setFont(MakeViewFont(font));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ToQColor(textColour));
    colours.setColor(QPalette::Window, ToQColor(backColour));
    setPalette(colours);
}

}  // namespace sorna
