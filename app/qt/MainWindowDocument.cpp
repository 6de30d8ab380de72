// Opening and closing documents, the caption, and laying the text out for the settings.
#include <QScreen>
#include <memory>

#include "app/FileTitle.h"
#include "app/TextAreaRect.h"
#include "app/TitleText.h"
#include "app/qt/MainWindow.h"
#include "app/qt/OpenFailureBox.h"
#include "app/qt/PageWidget.h"
#include "app/qt/ProgressWindow.h"
#include "app/qt/PumpMessages.h"
#include "document/LoadDocument.h"
#include "platform/qt/QtText.h"
#include "resources/AppStrings.h"

namespace sorna {
namespace {

// A progress window exists only while the settings ask for one.
std::unique_ptr<ProgressWindow> MaybeProgressWindow(const Settings& settings, QWidget& owner) {
    return settings.bShowProgress ? std::make_unique<ProgressWindow>(owner) : nullptr;
}

}  // namespace

bool MainWindow::OpenDocument(std::u16string_view path, int32_t position) {
    if (path.empty()) {
        return false;
    }
    WorkInProgress::Scope loading(work_);
    CloseDocument();
    PumpMessages();
    std::unique_ptr<ProgressWindow> progress = MaybeProgressWindow(settings_, *this);
    setWindowTitle(ToQString(kCaptionOpening));
    if (!LoadDocument(view_.Document(), path, progress.get())) {
        ShowOpenFailure(*this, view_.Document().loadError);
        documentTitle_.clear();
        UpdateTitle();
        progress.reset();
        page_->update();
        return false;
    }
    view_.Layout(progress.get());
    if (position == -1) {
        position = settings_.recentFiles.FindRecentPosition(path).value_or(-1);
    }
    view_.GoToOffset(position);
    documentTitle_ = FileTitle(path);
    UpdateTitle();
    progress.reset();
    page_->update();
    return true;
}

void MainWindow::CloseDocument() {
    StopAutoScroll();
    if (view_.Document().documentPath.empty()) {
        return;
    }
    settings_.recentFiles.RememberFile(view_.Document().documentPath, view_.TopOffset());
    view_.ClearDocument();
}

void MainWindow::UpdateTitle() {
    setWindowTitle(ToQString(TitleText(documentTitle_)));
}

void MainWindow::ApplySettings() {
    WorkInProgress::Scope applying(work_);
    view_.SetLineSpacing(settings_.nLineSpace);
    view_.SetFont(settings_.sFontFaceName, settings_.nFontSize, settings_.bRotate != 0,
                  settings_.bBold != 0);
    view_.SetColors(settings_.clrText, settings_.clrBkgnd);
    view_.SetOptions(settings_.bSmoothScroll != 0, settings_.bRemoveLineStartSpace != 0);
    UpdateLayout();
    const int32_t position = view_.TopOffset();
    const std::unique_ptr<ProgressWindow> progress = MaybeProgressWindow(settings_, *this);
    if (view_.LayoutNeeded()) {
        setWindowTitle(ToQString(kCaptionLayingOut));
        view_.Layout(progress.get());
        UpdateTitle();
    }
    view_.GoToOffset(position);
}

void MainWindow::UpdateLayout() {
    EnsureBuffers();
    // The bar is a window of its own below the page, so the page is the whole client area.
    const ViewRect client{0, 0, page_->width(), page_->height()};
    view_.SetTextArea(TextAreaRect(client, settings_.nLRSpace, settings_.nTBSpace),
                      settings_.bLeftScroolbar != 0);
    if (!view_.LayoutNeeded()) {
        return;
    }
    setWindowTitle(ToQString(kCaptionLayingOut));
    const int32_t position = view_.TopOffset();
    view_.Layout(nullptr);
    view_.GoToOffset(position);
    UpdateTitle();
}

// The page bitmap covers the screen the window is on, made anew when that screen changes size
// (a phone turned on its side, the window moved to a larger monitor).
void MainWindow::EnsureBuffers() {
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return;
    }
    const QSize size = shown->geometry().size();
    const qreal ratio = shown->devicePixelRatio();
    if (size == bufferSize_ && ratio == bufferRatio_) {
        return;
    }
    if (canvas_.CreateBuffers(size.width(), size.height(), ratio)) {
        bufferSize_ = size;
        bufferRatio_ = ratio;
    }
}

}  // namespace sorna
