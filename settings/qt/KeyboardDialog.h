#pragma once

#include <QDialog>
#include <array>

#include "settings/Settings.h"

class QComboBox;
class QPushButton;

namespace sorna {

// Gives each of the six key slots a function and a hardware key. A key caught for a slot and a
// reset take effect at once, the chosen functions when "닫기" is pressed, which is the only way
// out.
class KeyboardDialog : public QDialog {
    Q_OBJECT

public:
    KeyboardDialog(QWidget& owner, Settings& settings);

    void accept() override;
    void reject() override {}

private:
    void AddSlot(int slot);
    void ShowSlots();
    void ShowKeyCode(int slot);
    void CaptureKey(int slot);
    void ResetPressed();

    Settings& settings_;
    std::array<QPushButton*, kKeySlotCount> keyButtons_{};  // owned by the dialog
    std::array<QComboBox*, kKeySlotCount> functionLists_{};
};

// Runs the keyboard dialog modally over the settings dialog.
void RunKeyboardDialog(QWidget& owner, Settings& settings);

}  // namespace sorna
