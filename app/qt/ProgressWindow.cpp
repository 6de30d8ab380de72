#include "app/qt/ProgressWindow.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/EventLoop.h"
#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"

namespace sorna {
namespace {

constexpr QSize kSizeInDialogUnits{112, 30};

}  // namespace

ProgressWindow::ProgressWindow(QWidget& owner)
    : QDialog(&owner, Qt::Dialog | Qt::FramelessWindowHint),
      label_(new QLabel(ToQString(kProgressInitialText), this)) {
    label_->setObjectName(ObjectName(control::kProgressText));
    label_->setAlignment(Qt::AlignCenter);
    // Without a caption the window needs an edge of its own to stand out from the page below.
    auto* edge = new QFrame(this);
    edge->setFrameStyle(QFrame::Panel | QFrame::Raised);
    edge->setLineWidth(2);
    (new QVBoxLayout(edge))->addWidget(label_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edge);
    setFixedSize(DialogUnitsToPixels(kSizeInDialogUnits, font()));
    CentreOver(owner);
    show();
    PumpMessages();
}

void ProgressWindow::SetProgressText(std::u16string_view text) {
    label_->setText(ToQString(text));
    PumpMessages();
}

void ProgressWindow::CentreOver(const QWidget& owner) {
    const QRect ownerFrame = owner.frameGeometry();
    move(ownerFrame.center() - rect().center());
}

}  // namespace sorna
