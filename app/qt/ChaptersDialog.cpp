#include "app/qt/ChaptersDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"
#include "resources/DialogStrings.h"
#include "resources/NavigationStrings.h"

namespace sorna {
namespace {

QString ChapterText(const Chapter& chapter) {
    QString text;
    for (int32_t level = 1; level < chapter.level; ++level) {
        text += ToQString(kChapterIndent);
    }
    return text + ToQString(chapter.title);
}

}  // namespace

ChaptersDialog::ChaptersDialog(QWidget& owner, std::span<const Chapter> chapters,
                               std::optional<size_t> current)
    : QDialog(&owner), list_(new QListWidget(this)) {
    setWindowTitle(ToQString(kChaptersCaption));
    list_->setObjectName(ObjectName(control::kChapterList));
    list_->setUniformItemSizes(true);
    for (const Chapter& chapter : chapters) {
        list_->addItem(ChapterText(chapter));
    }
    auto* close = new QPushButton(ToQString(kCloseButton), this);
    close->setObjectName(ObjectName(control::kCancel));
    auto* layout = new QVBoxLayout(this);
    if (chapters.empty()) {
        layout->addWidget(new QLabel(ToQString(kNoChaptersText), this));
        list_->hide();
    }
    layout->addWidget(list_);
    layout->addWidget(close);
    // Before the first chapter the first is offered.
    if (!chapters.empty()) {
        list_->setCurrentRow(int(std::min(current.value_or(0), chapters.size() - 1)));
        list_->scrollToItem(list_->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    // A single tap chooses on a phone as a double click does on a desktop.
    const auto choose = [this](QListWidgetItem* item) {
        chosen_ = size_t(list_->row(item));
        accept();
    };
    connect(list_, &QListWidget::itemActivated, this, choose);
    connect(list_, &QListWidget::itemClicked, this, choose);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<size_t> RunChaptersDialog(QWidget& owner, std::span<const Chapter> chapters,
                                        std::optional<size_t> current) {
    ChaptersDialog dialog(owner, chapters, current);
    ExecFullScreenDialog(dialog);
    return dialog.Chosen();
}

}  // namespace sorna
