#pragma once

#include <QLabel>

#include "view/FontDescription.h"

namespace sorna {

// A line of sample text ("가나다라 ABC 123") in the font and colours the settings dialog shows,
// drawn as the page would draw it. It never asks for more width than the dialog gives it.
class FontPreview : public QLabel {
    Q_OBJECT

public:
    explicit FontPreview(QWidget& parent);

    void Show(const FontDescription& font, uint32_t textColour, uint32_t backColour);
};

}  // namespace sorna
