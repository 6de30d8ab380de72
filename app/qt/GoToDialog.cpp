#include "app/qt/GoToDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"
#include "resources/DialogStrings.h"
#include "resources/Format.h"
#include "resources/NavigationStrings.h"

namespace sorna {

GoToDialog::GoToDialog(QWidget& owner, PageNumbers pages)
    : QDialog(&owner),
      text_(new QLineEdit(this)),
      go_(new QPushButton(ToQString(kGoToButton), this)) {
    setWindowTitle(ToQString(kGoToCaption));
    auto* prompt = new QLabel(
        ToQString(FormatText(kGoToPrompt, {GroupedNumber(pages.page), GroupedNumber(pages.total)})),
        this);
    text_->setObjectName(ObjectName(control::kGoToText));
    text_->setInputMethodHints(Qt::ImhPreferNumbers);
    go_->setObjectName(ObjectName(control::kOk));
    go_->setDefault(true);
    go_->setEnabled(false);
    auto* close = new QPushButton(ToQString(kCloseButton), this);
    close->setObjectName(ObjectName(control::kCancel));

    auto* layout = new QGridLayout(this);
    layout->addWidget(prompt, 0, 0, 1, 2);
    layout->addWidget(text_, 1, 0, 1, 2);
    layout->addWidget(close, 2, 0);
    layout->addWidget(go_, 2, 1);
    connect(text_, &QLineEdit::textChanged, this,
            [this] { go_->setEnabled(Target().has_value()); });
    connect(go_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<GoToTarget> GoToDialog::Target() const {
    return ParseGoToTarget(text_->text().toStdU16String());
}

std::optional<GoToTarget> RunGoToDialog(QWidget& owner, PageNumbers pages) {
    GoToDialog dialog(owner, pages);
    if (ExecDialog(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Target();
}

}  // namespace sorna
