#include "history/qt/AddBookmarkDialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"
#include "resources/DialogStrings.h"
#include "resources/HistoryStrings.h"

namespace sorna {

AddBookmarkDialog::AddBookmarkDialog(QWidget& owner, std::u16string& label, size_t capacity)
    : QDialog(&owner), label_(label), labelEdit_(new QLineEdit(this)) {
    setWindowTitle(ToQString(kAddBookmarkCaption));
    labelEdit_->setObjectName(ObjectName(control::kBookmarkLabel));
    // Room for the terminator of the caller's buffer.
    labelEdit_->setMaxLength(static_cast<int>(capacity > 0 ? capacity - 1 : 0));
    labelEdit_->setText(ToQString(label));
    auto* close = new QPushButton(ToQString(kCloseButton), this);
    close->setObjectName(ObjectName(control::kCancel));
    auto* add = new QPushButton(ToQString(kAddBookmarkButton), this);
    add->setObjectName(ObjectName(control::kOk));
    add->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(labelEdit_, 0, 0, 1, 2);
    layout->addWidget(close, 1, 0);
    layout->addWidget(add, 1, 1);
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void AddBookmarkDialog::done(int result) {
    label_ = labelEdit_->text().toStdU16String();
    QDialog::done(result);
}

bool RunAddBookmarkDialog(QWidget& owner, std::u16string& label, size_t capacity) {
    AddBookmarkDialog dialog(owner, label, capacity);
    return ExecDialog(dialog) == QDialog::Accepted;
}

}  // namespace sorna
