#include "history/qt/FindDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "history/SelectString.h"
#include "platform/qt/DialogGeometry.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtConversions.h"
#include "resources/DialogStrings.h"
#include "resources/HistoryStrings.h"

namespace sorna {
namespace {

// The field takes no more than the search reads.
constexpr int kMaxSearchLength = 1023;

QPushButton* AddButton(QWidget& dialog, std::u16string_view text, ControlId id) {
    auto* button = new QPushButton(ToQString(text), &dialog);
    button->setObjectName(ControlName(id));
    return button;
}

}  // namespace

FindDialog::FindDialog(QWidget& owner, RecentSearches& searches, int32_t& ignoreCase,
                       TextView& view)
    : QDialog(&owner),
      searches_(searches),
      ignoreCaseSetting_(ignoreCase),
      view_(view),
      searchText_(new QComboBox(this)),
      ignoreCase_(new QCheckBox(ToQString(kFindIgnoreCase), this)) {
    setWindowTitle(ToQString(kFindCaption));
    searchText_->setObjectName(ControlName(kIdFindText));
    searchText_->setEditable(true);
    searchText_->setInsertPolicy(QComboBox::NoInsert);
    searchText_->lineEdit()->setMaxLength(kMaxSearchLength);
    ignoreCase_->setObjectName(ControlName(kIdFindIgnoreCase));
    QPushButton* clearList = AddButton(*this, kFindClearList, kIdFindClearList);
    QPushButton* close = AddButton(*this, kCloseButton, kIdCancel);
    QPushButton* find = AddButton(*this, kFindButton, kIdFindButton);
    find->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(searchText_, 0, 0, 1, 3);
    layout->addWidget(ignoreCase_, 1, 0, 1, 3);
    layout->addWidget(clearList, 2, 0);
    layout->addWidget(close, 2, 1);
    layout->addWidget(find, 2, 2);

    connect(find, &QPushButton::clicked, this, &FindDialog::FindPressed);
    connect(clearList, &QPushButton::clicked, this, &FindDialog::ClearListPressed);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    FillSearches();
    ignoreCase_->setChecked(ignoreCaseSetting_ != 0);
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

void FindDialog::FindPressed() {
    ignoreCaseSetting_ = ignoreCase_->isChecked() ? 1 : 0;
    const std::u16string text = searchText_->currentText().toStdU16String();
    if (text.empty()) {
        ShowMessage(*this, kEnterWordMessage);
        return;
    }
    searches_.RememberSearch(text);
    // A miss leaves the view where it is and says nothing.
    view_.FindNext(text, ignoreCaseSetting_ != 0);
}

void FindDialog::ClearListPressed() {
    // The entries already listed stay until the dialog opens again.
    searches_.ClearSearches();
}

void RunFindDialog(QWidget& owner, RecentSearches& searches, int32_t& ignoreCase, TextView& view) {
    FindDialog dialog(owner, searches, ignoreCase, view);
    ExecDialog(dialog);
}

}  // namespace sorna
