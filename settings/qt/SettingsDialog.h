#pragma once

#include <QDialog>
#include <vector>

#include "resources/ControlNames.h"
#include "settings/NumberBox.h"
#include "settings/Settings.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace sorna {

class ColourSwatch;
class FontPreview;

// The settings dialog. It edits the settings in place: colours, a reset and the keyboard dialog's
// changes take effect at once, the boxes, checks and lists when OK is pressed. Escape and the
// window's close button leave without OK, and the caller takes every change back.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(QWidget& owner, Settings& settings);

    void accept() override;

private:
    struct NumberBinding {
        QLineEdit* box;
        int32_t Settings::*field;
        NumberRange usable;  // what the box shows and stores a number within
    };
    struct CheckBinding {
        QCheckBox* box;
        bool Settings::*field;
    };

    void AddMarginRow(QBoxLayout& layout);
    void AddFontRow(QBoxLayout& layout);
    void AddColourRow(QBoxLayout& layout);
    void AddLineStartRow(QBoxLayout& layout);
    void AddDictionaryRows(QBoxLayout& layout);
    void AddScrollRows(QBoxLayout& layout);
    void AddButtonRows(QBoxLayout& layout);
    void AddNumberBox(QBoxLayout& row, std::u16string_view label, ControlName boxName,
                      ControlName arrowsName, NumberRange range, int32_t Settings::*field,
                      NumberRange usable);
    QCheckBox* AddCheck(std::u16string_view text, ControlName name, bool Settings::*field);
    ColourSwatch* AddSwatch(QBoxLayout& row, std::u16string_view label, ControlName name,
                            uint32_t Settings::*field);

    void FillFontList();
    void FollowWithPreview();
    void ShowPreview();
    void FillSpeedList();
    void ShowValues();
    void ChooseColour(uint32_t Settings::*field);
    void RepaintSwatches();
    void ResetPressed();

    Settings& settings_;
    std::vector<NumberBinding> numbers_;
    std::vector<CheckBinding> checks_;
    std::vector<ColourSwatch*> swatches_;  // the controls are owned by the dialog
    QComboBox* fontList_ = nullptr;
    QCheckBox* hangulOnly_ = nullptr;
    QLineEdit* fontSize_ = nullptr;
    QCheckBox* bold_ = nullptr;
    FontPreview* preview_ = nullptr;
    int shownFont_ = -1;  // the family in effect, as the font list last showed it
    QComboBox* speedList_ = nullptr;
    QLineEdit* dictionaryPath_ = nullptr;
};

// Runs the settings dialog modally over the main window; true when it was left with OK. The
// caller saves and applies the settings afterwards.
[[nodiscard]] bool RunSettingsDialog(QWidget& owner, Settings& settings);

}  // namespace sorna
