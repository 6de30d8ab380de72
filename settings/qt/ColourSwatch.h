#pragma once

#include <QAbstractButton>
#include <cstdint>

namespace sorna {

// A button that shows a colour setting: its face is filled with the colour, inside a thin sunken
// edge, and shows no focus or pressed state. It always paints the field's current value.
class ColourSwatch : public QAbstractButton {
    Q_OBJECT

public:
    ColourSwatch(QWidget& parent, const QString& name, const uint32_t& colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const uint32_t& colour_;
};

}  // namespace sorna
