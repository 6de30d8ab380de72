// Opening and closing documents, the caption, laying the text out for the settings, and the
// reading state kept between runs.
#include "app/ReaderSession.h"

#include <algorithm>

#include "app/ShellTexts.h"
#include "app/TextAreaRect.h"
#include "document/ByteOfPosition.h"
#include "document/LoadDocument.h"
#include "document/PositionInEncoding.h"
#include "platform/FileSystem.h"
#include "resources/AppStrings.h"
#include "resources/DocumentStrings.h"
#include "resources/EncodingTable.h"
#include "resources/Format.h"
#include "settings/UsableSizes.h"

namespace sorna {
namespace {

// The widest text column, in Korean syllables, when its length is limited: about what a reader
// takes in at a glance.
constexpr int32_t kReadableColumn = 40;

// Texts this long are laid out anew around the reading place first: breaking one whole takes
// longer than a frame.
constexpr int32_t kBackgroundLayoutUnits = int32_t{4} << 20;

// An open of `path` at `position` (-1 for the place the recent files keep, or the start), in the
// encoding chosen for it by hand. The place's byte is known only where the files kept it.
StartReadAhead::Request RequestToOpen(std::u16string_view path, int32_t position,
                                      const std::optional<HistoryEntry>& stored) {
    const bool atStoredPlace = stored && (position == -1 || position == stored->position);
    return {
        std::u16string(path), stored ? Narrow(stored->encoding) : std::string(),
        position != -1 ? position
        : stored       ? stored->position
                       : 0,
        atStoredPlace && stored->byte >= 0 ? std::optional<int64_t>(stored->byte) : std::nullopt};
}

}  // namespace

// A layout without memory for its line table leaves the page empty with the document still
// open; the next change of size or settings tries again, and there is nothing else to do.
void ReaderSession::LayOut(int32_t position, ProgressText* progress) {
    if (view_.ShowsWindow()) {
        static_cast<void>(view_.Layout(nullptr));
        StartWholeLoad();
    } else if (!LayOutAroundPlace(position)) {
        static_cast<void>(view_.Layout(progress));
    }
    view_.GoToOffset(position);
}

bool ReaderSession::LayOutAroundPlace(int32_t position) {
    if (wholeTextHolders_ > 0 || !view_.LayoutNeeded() ||
        view_.Document().length < kBackgroundLayoutUnits) {
        return false;
    }
    const int32_t place = std::max(position, 0);
    std::optional<ReadingWindow> window = WindowOfText(view_.Document(), place);
    if (!window) {
        return false;
    }
    DocumentText whole = std::exchange(view_.Document(), {});
    if (!view_.ShowWindow(std::move(*window), place)) {
        view_.Document() = std::move(whole);
        return false;
    }
    wholeLoad_.StartBreaking(std::move(whole), WholeLoadBreaking());
    return true;
}

ReaderSession::ReaderSession(Settings& settings, ReaderShell& shell, ViewDevice& device,
                             IdleInhibitor& idleInhibitor)
    : settings_(settings), shell_(shell), view_(device), autoScroll_(idleInhibitor) {}

void ReaderSession::Start() {
    UpdateTitle();
    UpdateLayout();
    ApplySettings();
    if (settings_.bFullscreen) {
        // Entered once the window is up, through the ordinary toggle.
        shell_.PostCommand(IDM_FULLSCREEN);
    }
}

// A progress window exists only while the settings ask for one.
std::unique_ptr<ProgressText> ReaderSession::MaybeShowProgress() {
    return settings_.bShowProgress ? shell_.ShowProgress() : nullptr;
}

bool ReaderSession::OpenDocument(std::u16string_view path, int32_t position) {
    if (path.empty()) {
        return false;
    }
    WorkInProgress::Scope loading(work_);
    CloseDocument();
    const std::optional<HistoryEntry> stored = settings_.recentFiles.FindRecent(path);
    chosenEncoding_ = stored ? stored->encoding : std::u16string();
    const StartReadAhead::Request request = RequestToOpen(path, position, stored);
    std::optional<StartReadAhead::Read> readAhead = readAhead_.Take(request);
    if (OpenAroundPlace(request, readAhead)) {
        return true;
    }
    // Before a long read the screen catches up (a menu closes, the old page goes); a short one
    // is over before that would be seen.
    if (!ReadsAtOnce(path)) {
        shell_.PumpEvents();
    }
    std::unique_ptr<ProgressText> progress = MaybeShowProgress();
    shell_.SetCaption(kCaptionOpening);
    if (!LoadWhole(request, readAhead, progress.get())) {
        shell_.ShowOpenFailure(view_.Document().loadError);
        documentTitle_.clear();
        UpdateTitle();
        progress.reset();
        shell_.Repaint();
        return false;
    }
    // The page may have changed size since the last layout without a layout yet (a window that
    // has just been shown): the document is laid out once, for the page as it is.
    FitTextAreaToPage();
    if (position == -1 && stored) {
        position = stored->position;
    }
    LayOut(position, progress.get());
    documentTitle_ = FileTitle(path);
    UpdateTitle();
    progress.reset();
    shell_.Repaint();
    return true;
}

bool ReaderSession::LoadWhole(const StartReadAhead::Request& request,
                              std::optional<StartReadAhead::Read>& readAhead,
                              ProgressText* progress) {
    if (readAhead && readAhead->whole) {
        view_.Document() = std::move(*readAhead->whole);
        return readAhead->loaded;
    }
    return LoadDocument(view_.Document(), request.path, progress, request.encoding);
}

bool ReaderSession::OpenAroundPlace(const StartReadAhead::Request& request,
                                    std::optional<StartReadAhead::Read>& readAhead) {
    std::optional<ReadingWindow> window =
        readAhead ? std::move(readAhead->window)
                  : LoadReadingWindow(request.path, request.encoding, request.place, request.byte);
    if (!window) {
        return false;
    }
    FitTextAreaToPage();
    if (!view_.ShowWindow(std::move(*window), request.place)) {
        return false;
    }
    view_.Document().documentPath = request.path;
    documentTitle_ = FileTitle(request.path);
    UpdateTitle();
    shell_.Repaint();
    StartWholeLoad();
    return true;
}

// A report of this load, not of one cancelled since, brings the whole text in once no other work
// runs.
WholeDocumentLoad::Breaking ReaderSession::WholeLoadBreaking() {
    const uint64_t number = ++wholeLoadNumber_;
    return {view_.Metrics(), view_.LineOptions(), [this, number] {
                shell_.PostFromWorker([this, number] {
                    if (number == wholeLoadNumber_) {
                        work_.RunWhenIdle([this] { AdoptWholeDocument(); });
                    }
                });
            }};
}

void ReaderSession::StartWholeLoad() {
    DocumentText read = wholeLoad_.Cancel();
    if (read.HasDocument()) {
        wholeLoad_.StartBreaking(std::move(read), WholeLoadBreaking());
    } else {
        wholeLoad_.StartReading(view_.Document().documentPath, Narrow(chosenEncoding_),
                                WholeLoadBreaking());
    }
}

void ReaderSession::WaitForWholeText() {
    if (!view_.ShowsWindow() || !wholeLoad_.Running()) {
        return;
    }
    WorkInProgress::Scope waiting(work_);
    const std::unique_ptr<ProgressText> progress = MaybeShowProgress();
    ReportProgress(progress.get(), kConvertingProgress);
    AdoptWholeDocument();
}

void ReaderSession::AdoptWholeDocument() {
    if (!view_.ShowsWindow()) {
        return;
    }
    ++wholeLoadNumber_;
    WholeDocumentLoad::Result whole = wholeLoad_.Finish();
    if (!whole.document.HasDocument()) {
        view_.ClearDocument();
        shell_.ShowOpenFailure(whole.document.loadError);
        documentTitle_.clear();
        UpdateTitle();
        shell_.Repaint();
        return;
    }
    const int32_t position = view_.ReadingPosition();
    view_.TakeWholeDocument(std::move(whole.document), std::move(whole.lines));
    // Tried once more here: through a window it would come back the same way.
    if (view_.LayoutNeeded()) {
        static_cast<void>(view_.Layout(nullptr));
        view_.GoToOffset(position);
    }
}

void ReaderSession::ChooseEncoding(int32_t n) {
    if (n == 0) {
        ReadInEncoding(u"");
    } else if (size_t(n - 1) < std::size(kChoosableEncodings)) {
        ReadInEncoding(Widen(kChoosableEncodings[size_t(n - 1)].name));
    }
}

// The place maps to the same byte of the file; the reopen takes the choice from the recent
// files, where closing puts it.
void ReaderSession::ReadInEncoding(std::u16string_view encoding) {
    const DocumentText& document = view_.Document();
    if (!document.HasDocument() || encoding == chosenEncoding_ ||
        document.kind == DocumentKind::Book) {
        return;
    }
    const std::u16string path = document.documentPath;
    const int32_t position =
        PositionInEncoding(path, document.kind == DocumentKind::Html, document.encoding,
                           Narrow(encoding), view_.TopOffset());
    chosenEncoding_ = encoding;
    OpenDocument(path, std::max(position, 0));
}

void ReaderSession::CloseDocument() {
    autoScroll_.Stop();
    ++wholeLoadNumber_;
    static_cast<void>(wholeLoad_.Cancel());
    if (view_.Document().documentPath.empty()) {
        return;
    }
    RememberOpenDocument();
    view_.ClearDocument();
}

// The drop's program waits for the drop to end, so the window calls this once it is over.
void ReaderSession::OpenDroppedDocument(const std::u16string& path) {
    work_.RunWhenIdle([this, path] { OpenChosenDocument(path); });
}

// A document the user picked, in the open dialog or by dropping it on the window. Nothing
// when none was picked.
void ReaderSession::OpenChosenDocument(const std::u16string& path) {
    if (!path.empty()) {
        OpenDocument(path, -1);
    }
}

bool ReaderSession::ReopenMostRecentFile() {
    if (work_.Busy()) {
        return false;
    }
    const std::u16string path = settings_.recentFiles.MostRecentFile();
    if (FileExists(path)) {
        OpenDocument(path, -1);
    }
    return true;
}

void ReaderSession::ReadAheadStartDocument(const std::u16string& namedPath) {
    const std::u16string path =
        FileExists(namedPath) ? namedPath : settings_.recentFiles.MostRecentFile();
    if (FileExists(path)) {
        readAhead_.Start(RequestToOpen(path, -1, settings_.recentFiles.FindRecent(path)));
    }
}

bool ReaderSession::OpenStartDocument(const std::u16string& namedPath) {
    if (work_.Busy()) {
        return false;
    }
    if (!FileExists(namedPath)) {
        TellWhyNotOpened(namedPath);
        return ReopenMostRecentFile();
    }
    OpenDocument(namedPath, -1);
    return true;
}

void ReaderSession::OpenHandedOverDocument(const std::u16string& path) {
    if (FileExists(path)) {
        OpenDroppedDocument(path);
    } else {
        TellWhyNotOpened(path);
    }
}

// A name of nothing in the loader's words, and a folder, without closing what is open.
void ReaderSession::TellWhyNotOpened(const std::u16string& path) {
    if (path.empty()) {
        return;
    }
    const std::optional<FileAttributes> attributes = QueryFileAttributes(path);
    shell_.ShowOpenFailure(FormatText(
        attributes && attributes->isDirectory ? kFolderNotOpenedMessage : kFileMissingMessage,
        {path}));
}

void ReaderSession::RememberOpenDocument() {
    const DocumentText& document = view_.Document();
    const int32_t position = view_.TopOffset();
    settings_.recentFiles.RememberFile(
        document.documentPath, position, chosenEncoding_,
        int32_t(ByteOfPositionInFile(document, position).value_or(-1)));
}

void ReaderSession::UpdateTitle() {
    shell_.SetCaption(TitleText(documentTitle_));
}

void ReaderSession::ApplySettings() {
    WorkInProgress::Scope applying(work_);
    view_.SetFont(settings_.sFontFaceName, UsableFontSize(settings_.nFontSize), settings_.bRotate,
                  settings_.bBold);
    view_.SetColors(ThemeColours(ThemeOf(settings_.nTheme), settings_.clrText, settings_.clrBkgnd));
    view_.SetOptions(settings_.bSmoothScroll, settings_.bRemoveLineStartSpace);
    view_.SetShareLines(settings_.nShareLine);
    view_.SetReadingAids({settings_.bLineBreakRules, settings_.bJoinLines,
                          settings_.bLimitLineLength ? kReadableColumn : 0, settings_.bShowPercent,
                          settings_.bJustify});
    UpdateLayout();
    const int32_t position = view_.ReadingPosition();
    const std::unique_ptr<ProgressText> progress = MaybeShowProgress();
    // A layout goes to the position itself.
    if (view_.LayoutNeeded()) {
        shell_.SetCaption(kCaptionLayingOut);
        LayOut(position, progress.get());
        UpdateTitle();
    } else {
        view_.GoToOffset(position);
    }
}

void ReaderSession::FitTextAreaToPage() {
    // The bar is a window of its own below the page, so the page is the whole client area. The
    // percentage read takes a row of the font's height off its bottom.
    ViewRect area = TextAreaRect(shell_.PageArea(), settings_.nLRSpace, settings_.nTBSpace);
    if (settings_.bShowPercent) {
        area.bottom = std::max(area.top, area.bottom - UsableFontSize(settings_.nFontSize));
    }
    view_.SetTextArea(area, settings_.bLeftScroolbar);
    // Rows stack down the area, or across it when turned.
    const int64_t stack = settings_.bRotate ? area.Width() : area.Height();
    view_.SetLineSpacing(UsableSpace(settings_.nLineSpace, stack));
}

void ReaderSession::UpdateLayout() {
    FitTextAreaToPage();
    if (!view_.LayoutNeeded()) {
        return;
    }
    shell_.SetCaption(kCaptionLayingOut);
    const int32_t position = view_.ReadingPosition();
    LayOut(position, nullptr);
    UpdateTitle();
}

void ReaderSession::PageResized() {
    // The window may have painted the new size with the old area meanwhile.
    work_.RunWhenIdle([this] {
        UpdateLayout();
        shell_.Repaint();
    });
}

void ReaderSession::SaveReadingState() {
    work_.RunWhenIdle([this] {
        RememberOpenDocument();
        settings_.SaveSettings();
    });
}

bool ReaderSession::Close() {
    if (work_.Busy()) {
        // Unloading now would pull the document from under the load; close once it is done.
        work_.RunWhenIdle([this] { shell_.PostClose(); });
        return false;
    }
    CloseDocument();
    settings_.bFullscreen = fullScreen_;
    settings_.SaveSettings();
    return true;
}

}  // namespace sorna
