#include "settings/qt/KeyCaptureDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/KeyCodes.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"
#include "resources/SettingsStrings.h"
#include "settings/KeySlots.h"
#include "settings/qt/HardwareKeys.h"

namespace sorna {

KeyCaptureDialog::KeyCaptureDialog(QWidget& owner) : QDialog(&owner) {
    setWindowTitle(ToQString(kKeyCaptureCaption));
    auto* prompt = new QLabel(ToQString(kKeyCapturePrompt), this);
    auto* ok = new QPushButton(ToQString(kButtonOk), this);
    ok->setObjectName(ObjectName(control::kOk));
    // Nothing in the dialog takes the focus, so every key comes to the dialog itself; Enter
    // still presses OK as the default button.
    ok->setFocusPolicy(Qt::NoFocus);
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ClaimHardwareKeys(*this, AllHardwareKeys());
}

void KeyCaptureDialog::done(int result) {
    ReleaseHardwareKeys(*this);
    QDialog::done(result);
}

void KeyCaptureDialog::keyReleaseEvent(QKeyEvent* event) {
    const uint32_t code = HardwareKeyCode(event->key());
    if (!IsHardwareKeyCode(code) || event->isAutoRepeat()) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    capturedKey_ = code;
    accept();
}

uint32_t RunKeyCaptureDialog(QWidget& owner) {
    KeyCaptureDialog dialog(owner);
    ExecDialog(dialog);
    return dialog.CapturedKey();
}

}  // namespace sorna
