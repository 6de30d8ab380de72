#include "settings/qt/KeyboardDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtConversions.h"
#include "resources/DialogStrings.h"
#include "resources/KeyFunctionTable.h"
#include "resources/SettingsStrings.h"
#include "settings/KeySlots.h"
#include "settings/qt/KeyCaptureDialog.h"

namespace sorna {

KeyboardDialog::KeyboardDialog(QWidget& owner, Settings& settings)
    : QDialog(&owner),
      settings_(settings),
      functionsBefore_(settings.keyFunctions),
      codesBefore_(settings.keyCodes) {
    setWindowTitle(ToQString(kKeyboardCaption));
    auto* layout = new QGridLayout(this);
    for (int slot = 0; slot < kKeySlotCount; ++slot) {
        AddSlot(slot);
        layout->addWidget(keyButtons_[slot], slot, 0);
        layout->addWidget(functionLists_[slot], slot, 1);
    }
    auto* reset = new QPushButton(ToQString(kResetButton), this);
    reset->setObjectName(ObjectName(control::kKeyboardReset));
    auto* close = new QPushButton(ToQString(kCloseButton), this);
    close->setObjectName(ObjectName(control::kOk));
    layout->setRowMinimumHeight(kKeySlotCount, fontMetrics().height());
    layout->addWidget(reset, kKeySlotCount + 1, 0);
    layout->addWidget(close, kKeySlotCount + 1, 1);
    connect(reset, &QPushButton::clicked, this, &KeyboardDialog::ResetPressed);
    connect(close, &QPushButton::clicked, this, &KeyboardDialog::accept);
    ShowSlots();
}

void KeyboardDialog::AddSlot(int slot) {
    auto* button = new QPushButton(this);
    button->setObjectName(ObjectName(control::kKeyButton, slot));
    connect(button, &QPushButton::clicked, this, [this, slot] { CaptureKey(slot); });
    auto* list = new QComboBox(this);
    list->setObjectName(ObjectName(control::kFunctionList, slot));
    for (const KeyFunction& function : KeyFunctionTable) {
        list->addItem(ToQString(function.label));
    }
    keyButtons_[slot] = button;
    functionLists_[slot] = list;
}

// A stored function outside the table selects nothing.
void KeyboardDialog::ShowSlots() {
    for (int slot = 0; slot < kKeySlotCount; ++slot) {
        ShowKeyCode(slot);
        functionLists_[slot]->setCurrentIndex(
            KeyFunctionEntry(settings_.keyFunctions[slot]).value_or(-1));
    }
}

void KeyboardDialog::CaptureKey(int slot) {
    const uint32_t code = RunKeyCaptureDialog(*this);
    if (code == 0) {
        return;
    }
    settings_.keyCodes[slot] = static_cast<int32_t>(code);
    ShowKeyCode(slot);
}

void KeyboardDialog::ShowKeyCode(int slot) {
    keyButtons_[slot]->setText(ToQString(KeySlotButtonText(slot, settings_.keyCodes[slot])));
}

void KeyboardDialog::ResetPressed() {
    if (!Confirm(*this, kConfirmResetKeys)) {
        return;
    }
    settings_.ApplyKeyDefaults();
    ShowSlots();
}

// A list with nothing selected reads back as -1, a function that does nothing.
void KeyboardDialog::accept() {
    for (int slot = 0; slot < kKeySlotCount; ++slot) {
        settings_.keyFunctions[slot] = functionLists_[slot]->currentIndex();
    }
    QDialog::accept();
}

void KeyboardDialog::reject() {
    settings_.keyFunctions = functionsBefore_;
    settings_.keyCodes = codesBefore_;
    ShowSlots();
    QDialog::reject();
}

void RunKeyboardDialog(QWidget& owner, Settings& settings) {
    KeyboardDialog dialog(owner, settings);
    ExecFullScreenDialog(dialog);
}

}  // namespace sorna
