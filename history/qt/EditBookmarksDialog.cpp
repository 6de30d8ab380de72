#include "history/qt/EditBookmarksDialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <memory>

#include "history/HistoryLists.h"
#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"
#include "resources/DialogStrings.h"
#include "resources/HistoryStrings.h"

namespace sorna {
namespace {

// Room kept beside the columns so that they fit without a horizontal scroll bar.
constexpr int kColumnMargin = 5;

}  // namespace

EditBookmarksDialog::EditBookmarksDialog(QWidget& owner, Bookmarks& bookmarks)
    : QDialog(&owner), bookmarks_(bookmarks), list_(new QTreeWidget(this)) {
    setWindowTitle(ToQString(kEditBookmarksCaption));
    list_->setObjectName(ObjectName(control::kBookmarkList));
    list_->setRootIsDecorated(false);
    // A long path loses its start rather than its file name.
    list_->setTextElideMode(Qt::ElideLeft);
    // A tap toggles a row, so several can be chosen without a keyboard.
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setHeaderLabels({ToQString(kBookmarkFileColumn), ToQString(kBookmarkLabelColumn)});
    list_->header()->setSectionsClickable(false);
    list_->header()->setStretchLastSection(false);
    auto* remove = new QPushButton(ToQString(kDeleteBookmarksButton), this);
    remove->setObjectName(ObjectName(control::kDeleteBookmarks));
    auto* close = new QPushButton(ToQString(kCloseButton), this);
    close->setObjectName(ObjectName(control::kOk));

    auto* layout = new QGridLayout(this);
    layout->addWidget(list_, 0, 0, 1, 2);
    layout->addWidget(remove, 1, 0);
    layout->addWidget(close, 1, 1);
    connect(remove, &QPushButton::clicked, this, &EditBookmarksDialog::DeletePressed);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    FillRows();
}

void EditBookmarksDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitColumns();
}

void EditBookmarksDialog::FillRows() {
    for (const HistoryEntry& bookmark : bookmarks_.Entries()) {
        new QTreeWidgetItem(list_, {ToQString(bookmark.path), ToQString(bookmark.label)});
    }
}

// The file column takes a third of the list's width, the label two thirds.
void EditBookmarksDialog::FitColumns() {
    const int arrow = list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    const int width = list_->width() - arrow - kColumnMargin;
    list_->setColumnWidth(0, width / 3);
    list_->setColumnWidth(1, 2 * width / 3);
}

void EditBookmarksDialog::DeletePressed() {
    std::vector<int32_t> selected;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        if (list_->topLevelItem(row)->isSelected()) {
            selected.push_back(row);
        }
    }
    for (const int32_t row : DeleteSelectedBookmarks(bookmarks_, selected)) {
        std::unique_ptr<QTreeWidgetItem>(list_->takeTopLevelItem(row));
    }
}

void RunEditBookmarksDialog(QWidget& owner, Bookmarks& bookmarks) {
    EditBookmarksDialog dialog(owner, bookmarks);
    ExecFullScreenDialog(dialog);
}

}  // namespace sorna
