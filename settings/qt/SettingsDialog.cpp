#include "settings/qt/SettingsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"
#include "resources/DialogStrings.h"
#include "resources/Format.h"
#include "resources/SettingsStrings.h"
#include "settings/UsableSizes.h"
#include "settings/qt/ColourSwatch.h"
#include "settings/qt/FontPreview.h"
#include "settings/qt/KeyboardDialog.h"
#include "settings/qt/UpDownArrows.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

constexpr NumberRange kSpacingRange{0, 20};
constexpr NumberRange kFontSizeRange{5, 40};
constexpr NumberRange kSharedLinesRange{0, 9};
constexpr NumberRange kAnyNumber{INT32_MIN, INT32_MAX};
// Auto-scroll speeds offered: 20 up to 140 in steps of 10.
constexpr int32_t kFirstSpeed = 20;
constexpr int32_t kLastSpeed = 140;
constexpr int32_t kSpeedStep = 10;
// The text fields take no more than the settings read back.
constexpr int kMaxPathLength = 1023;

QHBoxLayout* AddRow(QBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    layout.addLayout(row);
    return row;
}

void AddLabel(QBoxLayout& row, std::u16string_view text) {
    row.addWidget(new QLabel(ToQString(text)));
}

void AddGroupLine(QBoxLayout& layout) {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout.addWidget(line);
}

QString SpeedText(int32_t speed) {
    return ToQString(FormatText(kSpeedPattern, {int64_t{speed}}));
}

// A family that several foundries make is named "Family [Foundry]" once for each of them.
QString WithoutFoundry(const QString& family) {
    return family.section(QStringLiteral(" ["), 0, 0);
}

// Every family the view can draw in once (only those with Hangul of their own, if asked), sorted
// as a sorted list keeps them: letter case ignored.
QStringList SortedFamilies(bool hangulOnly) {
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (IsTextFamily(family) && (!hangulOnly || QFontDatabase::writingSystems(family).contains(
                                                        QFontDatabase::Korean))) {
            families.append(WithoutFoundry(family));
        }
    }
    families.removeDuplicates();
    std::stable_sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return families;
}

// The family the view draws with: the face when it is installed, otherwise the Korean family
// that stands in for it.
QString FamilyInEffect(const Settings& settings) {
    const QFont font =
        MakeViewFont({settings.sFontFaceName, settings.nFontSize, false, settings.bBold});
    return WithoutFoundry(QFontInfo(font).family());
}

}  // namespace

SettingsDialog::SettingsDialog(QWidget& owner, Settings& settings)
    : QDialog(&owner), settings_(settings) {
    setWindowTitle(ToQString(kSettingsCaption));
    auto* layout = new QVBoxLayout(this);
    AddMarginRow(*layout);
    AddFontRow(*layout);
    AddColourRow(*layout);
    AddLineStartRow(*layout);
    AddGroupLine(*layout);
    AddDictionaryRows(*layout);
    AddScrollRows(*layout);
    // A dialog that fills a tall screen keeps its rows together and its buttons at the bottom.
    layout->addStretch();
    AddGroupLine(*layout);
    AddButtonRows(*layout);
    FillFontList();
    FillSpeedList();
    ShowValues();
    FollowWithPreview();
}

// The sample follows the face, the size, boldness and the colours as they are chosen.
void SettingsDialog::FollowWithPreview() {
    for (const NumberBinding& number : numbers_) {
        if (number.field == &Settings::nFontSize) {
            fontSize_ = number.box;
        }
    }
    for (const CheckBinding& check : checks_) {
        if (check.field == &Settings::bBold) {
            bold_ = check.box;
        }
    }
    connect(fontList_, &QComboBox::currentIndexChanged, this, &SettingsDialog::ShowPreview);
    connect(fontSize_, &QLineEdit::textChanged, this, &SettingsDialog::ShowPreview);
    connect(bold_, &QCheckBox::toggled, this, &SettingsDialog::ShowPreview);
    ShowPreview();
}

// No page is larger than the screen, so a margin or line spacing that a third of the screen
// cannot take is never usable; the page in use may take less.
void SettingsDialog::AddMarginRow(QBoxLayout& layout) {
    const QSize screenSize = screen()->size();
    QHBoxLayout* row = AddRow(layout);
    AddNumberBox(*row, kTopBottomLabel, control::kTopBottomMargin, control::kTopBottomMarginArrows,
                 kSpacingRange, &Settings::nTBSpace, UsableSpaces(screenSize.height()));
    AddNumberBox(*row, kLeftRightLabel, control::kLeftRightMargin, control::kLeftRightMarginArrows,
                 kSpacingRange, &Settings::nLRSpace, UsableSpaces(screenSize.width()));
    // A phone's screen is too narrow for three boxes side by side.
    if (OnPocketScreen(*this)) {
        row->addStretch();
        row = AddRow(layout);
    }
    // Rows stack down the page, or across it when turned: the spacing may take a third of either.
    AddNumberBox(*row, kLineGapLabel, control::kLineGap, control::kLineGapArrows, kSpacingRange,
                 &Settings::nLineSpace,
                 UsableSpaces(std::max(screenSize.width(), screenSize.height())));
    row->addStretch();
}

void SettingsDialog::AddFontRow(QBoxLayout& layout) {
    QHBoxLayout* row = AddRow(layout);
    AddLabel(*row, kFontLabel);
    fontList_ = new QComboBox(this);
    fontList_->setObjectName(ObjectName(control::kFontList));
    row->addWidget(fontList_, 1);
    AddNumberBox(*row, kFontSizeLabel, control::kFontSize, control::kFontSizeArrows, kFontSizeRange,
                 &Settings::nFontSize, kUsableFontSizes);
    row->addWidget(AddCheck(kBoldCheck, control::kBold, &Settings::bBold));
    hangulOnly_ = new QCheckBox(ToQString(kHangulFontsOnlyCheck), this);
    hangulOnly_->setObjectName(ObjectName(control::kHangulFontsOnly));
    hangulOnly_->setChecked(true);
    connect(hangulOnly_, &QCheckBox::toggled, this, &SettingsDialog::FillFontList);
    layout.addWidget(hangulOnly_);
}

// The sample takes what room the swatches leave.
void SettingsDialog::AddColourRow(QBoxLayout& layout) {
    QHBoxLayout* row = AddRow(layout);
    AddSwatch(*row, kTextColourLabel, control::kTextColour, &Settings::clrText);
    AddSwatch(*row, kBackColourLabel, control::kBackColour, &Settings::clrBkgnd);
    preview_ = new FontPreview(*this);
    preview_->setObjectName(ObjectName(control::kFontPreview));
    row->addWidget(preview_, 1);
}

void SettingsDialog::AddLineStartRow(QBoxLayout& layout) {
    QHBoxLayout* row = AddRow(layout);
    row->addWidget(AddCheck(kNoLineStartSpaceCheck, control::kNoLineStartSpace,
                            &Settings::bRemoveLineStartSpace));
    row->addStretch();
    AddNumberBox(*row, kSharedLinesLabel, control::kSharedLines, control::kSharedLinesArrows,
                 kSharedLinesRange, &Settings::nShareLine, kAnyNumber);
}

void SettingsDialog::AddDictionaryRows(QBoxLayout& layout) {
    layout.addWidget(AddCheck(kUseDictionaryCheck, control::kUseDictionary, &Settings::bUseEngDic));
    QHBoxLayout* row = AddRow(layout);
    AddLabel(*row, kDictionaryPathLabel);
    dictionaryPath_ = new QLineEdit(this);
    dictionaryPath_->setObjectName(ObjectName(control::kDictionaryPath));
    dictionaryPath_->setMaxLength(kMaxPathLength);
    row->addWidget(dictionaryPath_);
}

void SettingsDialog::AddScrollRows(QBoxLayout& layout) {
    QHBoxLayout* checks = AddRow(layout);
    checks->addWidget(
        AddCheck(kSmoothScrollCheck, control::kSmoothScroll, &Settings::bSmoothScroll));
    checks->addWidget(AddCheck(kRotateCheck, control::kRotate, &Settings::bRotate));
    QHBoxLayout* speed = AddRow(layout);
    AddLabel(*speed, kAutoScrollSpeedLabel);
    speedList_ = new QComboBox(this);
    speedList_->setObjectName(ObjectName(control::kAutoScrollSpeed));
    speed->addWidget(speedList_);
    speed->addStretch();
}

void SettingsDialog::AddButtonRows(QBoxLayout& layout) {
    QHBoxLayout* row = AddRow(layout);
    auto* keys = new QPushButton(ToQString(kHardwareKeysButton), this);
    keys->setObjectName(ObjectName(control::kHardwareKeys));
    auto* reset = new QPushButton(ToQString(kResetButton), this);
    reset->setObjectName(ObjectName(control::kSettingsReset));
    row->addWidget(keys);
    row->addWidget(reset);
    connect(keys, &QPushButton::clicked, this, [this] { RunKeyboardDialog(*this, settings_); });
    connect(reset, &QPushButton::clicked, this, &SettingsDialog::ResetPressed);
    auto* ok = new QPushButton(ToQString(kButtonOk), this);
    ok->setObjectName(ObjectName(control::kOk));
    layout.addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::accept);
}

void SettingsDialog::AddNumberBox(QBoxLayout& row, std::u16string_view label, ControlName boxName,
                                  ControlName arrowsName, NumberRange range,
                                  int32_t Settings::*field, NumberRange usable) {
    AddLabel(row, label);
    QLineEdit* box = MakeNumberEdit(*this, ObjectName(boxName));
    row.addWidget(box);
    row.addWidget(new UpDownArrows(*this, ObjectName(arrowsName), *box, range));
    numbers_.push_back({box, field, usable});
}

QCheckBox* SettingsDialog::AddCheck(std::u16string_view text, ControlName name,
                                    bool Settings::*field) {
    auto* check = new QCheckBox(ToQString(text), this);
    check->setObjectName(ObjectName(name));
    checks_.push_back({check, field});
    return check;
}

ColourSwatch* SettingsDialog::AddSwatch(QBoxLayout& row, std::u16string_view label,
                                        ControlName name, uint32_t Settings::*field) {
    AddLabel(row, label);
    auto* swatch = new ColourSwatch(*this, ObjectName(name), settings_.*field);
    row.addWidget(swatch);
    connect(swatch, &ColourSwatch::clicked, this, [this, field] { ChooseColour(field); });
    swatches_.push_back(swatch);
    return swatch;
}

// Both lists start with nothing selected, which a value that matches no entry leaves so. The
// font list is filled anew when Hangul faces only are asked for or no longer, keeping the family
// chosen when it is still listed.
void SettingsDialog::FillFontList() {
    const QString chosen = fontList_->currentText();
    const QString inEffect = shownFont_ >= 0 ? fontList_->itemText(shownFont_) : QString();
    fontList_->clear();
    fontList_->addItems(SortedFamilies(hangulOnly_->isChecked()));
    shownFont_ = inEffect.isEmpty() ? -1 : fontList_->findText(inEffect);
    fontList_->setCurrentIndex(chosen.isEmpty() ? -1 : fontList_->findText(chosen));
}

void SettingsDialog::ShowPreview() {
    const QString family = fontList_->currentIndex() >= 0 ? fontList_->currentText()
                                                          : ToQString(settings_.sFontFaceName);
    const int32_t size =
        WithinRange(ParseNumberBox(fontSize_->text().toStdU16String()), kUsableFontSizes);
    preview_->Show({family.toStdU16String(), size, false, bold_->isChecked()}, settings_.clrText,
                   settings_.clrBkgnd);
}

void SettingsDialog::FillSpeedList() {
    for (int32_t speed = kFirstSpeed; speed <= kLastSpeed; speed += kSpeedStep) {
        speedList_->addItem(SpeedText(speed));
    }
    speedList_->setCurrentIndex(-1);
}

void SettingsDialog::ShowValues() {
    for (const NumberBinding& number : numbers_) {
        number.box->setText(QString::number(WithinRange(settings_.*number.field, number.usable)));
    }
    for (const CheckBinding& check : checks_) {
        check.box->setChecked(settings_.*check.field);
    }
    dictionaryPath_->setText(ToQString(settings_.sEngDicPath));
    shownFont_ = fontList_->findText(FamilyInEffect(settings_), Qt::MatchFixedString);
    fontList_->setCurrentIndex(shownFont_);
    // A speed is one of the numbers listed, not any entry that begins with its digits.
    const int speed = speedList_->findText(SpeedText(settings_.nAutoScrollSpeed));
    if (speed >= 0) {
        speedList_->setCurrentIndex(speed);
    }
}

void SettingsDialog::ChooseColour(uint32_t Settings::*field) {
    QColorDialog chooser(ToQColor(settings_.*field), this);
    if (ExecDialog(chooser) != QDialog::Accepted) {
        return;
    }
    settings_.*field = ToColourValue(chooser.selectedColor());
    RepaintSwatches();
}

void SettingsDialog::RepaintSwatches() {
    for (ColourSwatch* swatch : swatches_) {
        swatch->update();
    }
    ShowPreview();
}

void SettingsDialog::ResetPressed() {
    if (!Confirm(*this, kConfirmResetSettings)) {
        return;
    }
    settings_.ApplyDisplayDefaults();
    RepaintSwatches();
    ShowValues();
}

// A list with nothing selected leaves its setting as it was, and so does the font list while it
// shows the family in effect: a speed that is not listed, or a face that is not installed and
// has the Korean family standing in for it, is kept rather than lost.
void SettingsDialog::accept() {
    for (const NumberBinding& number : numbers_) {
        settings_.*number.field =
            WithinRange(ParseNumberBox(number.box->text().toStdU16String()), number.usable);
    }
    for (const CheckBinding& check : checks_) {
        settings_.*check.field = check.box->isChecked();
    }
    if (speedList_->currentIndex() >= 0) {
        settings_.nAutoScrollSpeed = ParseNumberBox(speedList_->currentText().toStdU16String());
    }
    if (fontList_->currentIndex() >= 0 && fontList_->currentIndex() != shownFont_) {
        settings_.sFontFaceName = fontList_->currentText().toStdU16String();
    }
    settings_.sEngDicPath = dictionaryPath_->text().toStdU16String();
    QDialog::accept();
}

bool RunSettingsDialog(QWidget& owner, Settings& settings) {
    SettingsDialog dialog(owner, settings);
    return ExecFullScreenDialog(dialog) == QDialog::Accepted;
}

}  // namespace sorna
