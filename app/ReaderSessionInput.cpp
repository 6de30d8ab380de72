// What the window's input and timers ask of the reader besides commands: auto-scroll's ticks,
// changes of activation and taps on the page.
#include <utility>

#include "app/InputCommands.h"
#include "app/ReaderSession.h"

namespace sorna {

void ReaderSession::AutoScrollTick(uint32_t now) {
    if (autoScroll_.Running() &&
        autoScroll_.StepDue(view_.CountLetters(), now, settings_.nAutoScrollSpeed)) {
        shell_.PostCommand(IDM_LINE_DOWN);
    }
}

// Auto-scroll goes on under the find and bookmark dialogs, and the commands of the other
// dialogs stop it themselves.
void ReaderSession::ActivationChanged(bool active, bool toOwnDialog) {
    if (!toOwnDialog && !std::exchange(ownDialogActive_, false)) {
        autoScroll_.Stop();
    }
    ownDialogActive_ = toOwnDialog;
    // Full screen is entered again on coming back: the desktop may have left it meanwhile.
    if (active && fullScreen_) {
        shell_.SetFullScreen(true);
    }
}

void ReaderSession::JumpToBar(int32_t y) {
    WaitForWholeText();
    LeavePlace();
    view_.JumpToBar(y);
}

void ReaderSession::LookUpWord(int32_t x, int32_t y) {
    const WordHit hit = view_.WordAt(x, y);
    if (IsDictionaryWord(hit)) {
        shell_.LaunchDictionary(settings_.sEngDicPath, hit.word, [this] { autoScroll_.Stop(); });
    }
}

}  // namespace sorna
