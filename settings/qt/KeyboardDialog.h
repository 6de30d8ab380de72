#pragma once

#include <QDialog>
#include <array>

#include "settings/Settings.h"

class QComboBox;
class QPushButton;

namespace sorna {

// Gives each of the six key slots a function and a hardware key. A key caught for a slot and a
// reset take effect at once, the chosen functions when "닫기" is pressed; Escape takes every
// change back.
class KeyboardDialog : public QDialog {
    Q_OBJECT

public:
    KeyboardDialog(QWidget& owner, Settings& settings);

    void accept() override;
    void reject() override;

private:
    void AddSlot(int slot);
    void ShowSlots();
    void ShowKeyCode(int slot);
    void CaptureKey(int slot);
    void ResetPressed();

    Settings& settings_;
    // The slots as they were, for Escape.
    const std::array<int32_t, kKeySlotCount> functionsBefore_;
    const std::array<int32_t, kKeySlotCount> codesBefore_;
    std::array<QPushButton*, kKeySlotCount> keyButtons_{};  // owned by the dialog
    std::array<QComboBox*, kKeySlotCount> functionLists_{};
};

// Runs the keyboard dialog modally over the settings dialog.
void RunKeyboardDialog(QWidget& owner, Settings& settings);

}  // namespace sorna
