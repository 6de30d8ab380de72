#pragma once

#include <QDialog>
#include <cstdint>

namespace sorna {

// Waits for the release of a hardware key and catches its code. Ordinary keys are ignored; OK,
// Enter and Escape end it without a catch. It holds all fifteen hardware codes while open.
class KeyCaptureDialog : public QDialog {
    Q_OBJECT

public:
    explicit KeyCaptureDialog(QWidget& owner);

    // The code caught, 0 when the dialog ended without one.
    uint32_t CapturedKey() const { return capturedKey_; }

    void done(int result) override;

protected:
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    uint32_t capturedKey_ = 0;
};

// Runs the capture modally over `owner`; the code caught, or 0.
uint32_t RunKeyCaptureDialog(QWidget& owner);

}  // namespace sorna
