#include "history/qt/FindDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "history/SelectString.h"
#include "platform/qt/DialogGeometry.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtConversions.h"
#include "resources/DialogStrings.h"
#include "resources/Format.h"
#include "resources/HistoryStrings.h"
#include "resources/NavigationStrings.h"
#include "view/HitLine.h"

namespace sorna {
namespace {

// The field takes no more than the search reads.
constexpr int kMaxSearchLength = 1023;
// The list holds the first occurrences; the count goes on past them.
constexpr size_t kMostListed = 10000;
// Code units searched between two looks at the event loop: a few milliseconds' work.
constexpr size_t kUnitsPerStep = size_t{1} << 22;
// Searched before the dialog first shows the list: enough for a screenful of a usual text.
constexpr size_t kFirstScreenful = 50;

QPushButton* AddButton(QWidget& dialog, std::u16string_view text, ControlName name) {
    auto* button = new QPushButton(ToQString(text), &dialog);
    button->setObjectName(ObjectName(name));
    return button;
}

QCheckBox* AddCheckBox(QWidget& dialog, std::u16string_view text, ControlName name, bool setting) {
    auto* box = new QCheckBox(ToQString(text), &dialog);
    box->setObjectName(ObjectName(name));
    box->setChecked(setting);
    return box;
}

// The occurrence between corner brackets within its line.
QString MarkedLine(const HitLine& line) {
    const std::u16string_view text = line.text;
    return ToQString(text.substr(0, line.from)) + QStringLiteral("「") +
           ToQString(text.substr(line.from, line.to - line.from)) + QStringLiteral("」") +
           ToQString(text.substr(line.to));
}

}  // namespace

FindDialog::FindDialog(QWidget& owner, RecentSearches& searches, SearchFlags flags,
                       const TextView& view, FindActions& actions)
    : QDialog(&owner),
      searches_(searches),
      flags_(flags),
      view_(view),
      actions_(actions),
      searchText_(new QComboBox(this)),
      ignoreCase_(AddCheckBox(*this, kFindIgnoreCase, control::kFindIgnoreCase, flags.ignoreCase)),
      ignoreSpacing_(
          AddCheckBox(*this, kFindIgnoreSpacing, control::kFindIgnoreSpacing, flags.ignoreSpacing)),
      count_(new QLabel(this)),
      hits_(new QListWidget(this)) {
    setWindowTitle(ToQString(kFindCaption));
    searchText_->setObjectName(ObjectName(control::kFindText));
    searchText_->setEditable(true);
    searchText_->setInsertPolicy(QComboBox::NoInsert);
    searchText_->lineEdit()->setMaxLength(kMaxSearchLength);
    count_->setObjectName(ObjectName(control::kFindAllCount));
    hits_->setObjectName(ObjectName(control::kFindAllList));
    hits_->setUniformItemSizes(true);
    count_->hide();
    hits_->hide();
    QPushButton* clearList = AddButton(*this, kFindClearList, control::kFindClearList);
    QPushButton* close = AddButton(*this, kCloseButton, control::kCancel);
    QPushButton* findAll = AddButton(*this, kFindAllButton, control::kFindAllButton);
    QPushButton* find = AddButton(*this, kFindButton, control::kFindButton);
    find->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(searchText_, 0, 0, 1, 4);
    layout->addWidget(ignoreCase_, 1, 0, 1, 2);
    layout->addWidget(ignoreSpacing_, 1, 2, 1, 2);
    layout->addWidget(clearList, 2, 0);
    layout->addWidget(close, 2, 1);
    layout->addWidget(findAll, 2, 2);
    layout->addWidget(find, 2, 3);
    layout->addWidget(count_, 3, 0, 1, 4);
    layout->addWidget(hits_, 4, 0, 1, 4);
    setTabOrder(find, hits_);

    connect(find, &QPushButton::clicked, this, &FindDialog::FindPressed);
    connect(findAll, &QPushButton::clicked, this, &FindDialog::FindAllPressed);
    connect(clearList, &QPushButton::clicked, this, &FindDialog::ClearListPressed);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(hits_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { HitChosen(hits_->row(item)); });
    connect(hits_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { HitChosen(hits_->row(item)); });
    scanTimer_.setInterval(0);
    connect(&scanTimer_, &QTimer::timeout, this, &FindDialog::ScanOn);
    FillSearches();
}

void FindDialog::FillSearches() {
    const std::vector<std::u16string>& searches = searches_.Entries();
    for (const std::u16string& search : searches) {
        searchText_->addItem(ToQString(search));
    }
    // Started after the newest entry, the selection lands on an older search that the newest
    // one begins, and on the newest itself only when no other does.
    const std::u16string latest = searches_.LatestSearch();
    const auto selected = latest.empty() ? std::nullopt : SelectString(searches, latest, 0);
    searchText_->setCurrentIndex(selected ? static_cast<int>(*selected) : -1);
}

std::optional<TextSearch> FindDialog::TakeSearch() {
    flags_.ignoreCase = ignoreCase_->isChecked();
    flags_.ignoreSpacing = ignoreSpacing_->isChecked();
    const std::u16string text = searchText_->currentText().toStdU16String();
    if (text.empty()) {
        ShowMessage(*this, kEnterWordMessage);
        return std::nullopt;
    }
    searches_.RememberSearch(text);
    return TextSearch(text, flags_.Options());
}

void FindDialog::FindPressed() {
    // A miss leaves the view where it is and says nothing.
    if (const std::optional<TextSearch> search = TakeSearch()) {
        actions_.FindFromPage(*search);
    }
}

// The first screenful is found at once; the rest fills in between events.
void FindDialog::FindAllPressed() {
    const std::optional<TextSearch> search = TakeSearch();
    if (!search) {
        return;
    }
    scanTimer_.stop();
    hits_->clear();
    scan_ = std::make_unique<FindAllScan>(*search, view_.Text(), kMostListed);
    while (scan_->Hits().size() < kFirstScreenful && scan_->Step(kUnitsPerStep)) {
    }
    ListNewHits();
    count_->show();
    hits_->show();
    RefitDialog(*this);
    // Enter then goes to the first occurrence, the arrows to the others.
    if (hits_->count() > 0) {
        hits_->setCurrentRow(0);
        hits_->setFocus();
    }
    if (!scan_->Done()) {
        scanTimer_.start();
    }
}

void FindDialog::ScanOn() {
    if (!scan_->Step(kUnitsPerStep)) {
        scanTimer_.stop();
    }
    ListNewHits();
}

void FindDialog::ListNewHits() {
    const std::vector<TextSpan>& hits = scan_->Hits();
    for (size_t row = size_t(hits_->count()); row < hits.size(); ++row) {
        hits_->addItem(MarkedLine(LineOfHit(view_, hits[row])));
    }
    ShowCount();
}

void FindDialog::ShowCount() {
    const size_t count = scan_->Count();
    const size_t listed = scan_->Hits().size();
    std::u16string text;
    if (!scan_->Done()) {
        text = FormatText(kFindAllSearching, {GroupedNumber(int64_t(count))});
    } else if (count == 0) {
        text = kFindAllNone;
    } else if (count > listed) {
        text = FormatText(kFindAllCountMore,
                          {GroupedNumber(int64_t(count)), GroupedNumber(int64_t(listed)),
                           GroupedNumber(int64_t(count - listed))});
    } else {
        text = FormatText(kFindAllCount, {GroupedNumber(int64_t(count))});
    }
    count_->setText(ToQString(text));
}

// The page shows the occurrence once the dialog is out of its way.
void FindDialog::HitChosen(int row) {
    if (row < 0 || size_t(row) >= scan_->Hits().size()) {
        return;
    }
    actions_.ShowOccurrence(scan_->Hits()[size_t(row)]);
    accept();
}

void FindDialog::ClearListPressed() {
    // The entries already listed stay until the dialog opens again.
    searches_.ClearSearches();
}

void RunFindDialog(QWidget& owner, RecentSearches& searches, SearchFlags flags,
                   const TextView& view, FindActions& actions) {
    FindDialog dialog(owner, searches, flags, view, actions);
    ExecDialog(dialog);
}

}  // namespace sorna
