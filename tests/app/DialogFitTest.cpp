#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScreen>

#include "app/qt/AboutDialog.h"
#include "app/qt/ChaptersDialog.h"
#include "app/qt/GoToDialog.h"
#include "app/qt/PackagedResources.h"
#include "app/qt/ShellDialogs.h"
#include "history/qt/AddBookmarkDialog.h"
#include "history/qt/EditBookmarksDialog.h"
#include "history/qt/FindDialog.h"
#include "platform/DialogPresentation.h"
#include "platform/qt/MessageBoxes.h"
#include "settings/qt/SettingsDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ViewTestSupport.h"

// Run on a virtual screen of a phone's size (see CMakeLists.txt), with Qt's Korean dialogs.
namespace sorna {
namespace {

// The window lies within the screen's area, and so does each of its buttons, whole and
// finger-sized; so does the list that drops from each of its list boxes.
void ExpectFits(QWidget& window) {
    SCOPED_TRACE(window.metaObject()->className());
    const QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window)) {
            continue;
        }
        SCOPED_TRACE(button->objectName().toStdString() + button->text().toStdString());
        EXPECT_TRUE(area.contains(QRect(button->mapToGlobal(QPoint()), button->size())));
        EXPECT_EQ(button->visibleRegion(), QRegion(button->rect()));
        EXPECT_GE(std::min(button->width(), button->height()), kFingerSide);
    }
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
        list->showPopup();
        EXPECT_TRUE(area.contains(list->view()->window()->frameGeometry()));
        list->hidePopup();
    }
}

// Checks the dialog in front and each dialog that the buttons of `path` open in turn from it.
void WalkDialogs(QDialog& dialog, std::vector<QString> path) {
    ExpectFits(dialog);
    if (!path.empty()) {
        test::ModalAnswer<QDialog> next([&path](QDialog& inner) {
            WalkDialogs(inner, {path.begin() + 1, path.end()});
        });
        test::ClickButton(test::ControlOf<QAbstractButton>(dialog, path.front()));
        EXPECT_TRUE(next.Answered());
    }
    dialog.done(QDialog::Rejected);
}

TEST(DialogFit, EveryDialogAndItsButtonsFitThePhonesScreen) {
    static_cast<void>(LoadKoreanTranslation(*QCoreApplication::instance()));
    QWidget owner;
    owner.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    owner.show();
    Settings settings;
    settings.recentSearches.RememberSearch(std::u16string(200, u'검'));
    Bookmarks bookmarks;
    bookmarks.AddBookmark(u"/home/reader/" + std::u16string(60, u'책'), 10,
                          std::u16string(60, u'장'));
    settings.recentSearches.RememberSearch(u"장");
    test::FixedMetricsDevice device;
    TextView view(device);
    test::SetText(view.Document(), std::u16string(3000, u'장'));
    ASSERT_TRUE(view.Layout(nullptr));
    const std::vector<Chapter> chapters(300, {0, 3, std::u16string(50, u'장')});
    struct : FindActions {
        bool FindFromPage(const TextSearch&) override { return false; }
        void ShowOccurrence(TextSpan) override {}
    } actions;
    const SearchFlags flags{settings.bSearchIgnoreCase, settings.bSearchIgnoreSpacing};
    std::u16string label(200, u'가');
    const std::u16string text = u"/home/reader/" + std::u16string(100, u'긴') + u" 이름";
    // Each opening and the buttons that lead on from its dialog.
    const std::vector<std::pair<std::function<void()>, std::vector<QString>>> openings = {
        {[&] { ChooseDocumentPath(owner); }, {}},
        {[&] { (void)RunSettingsDialog(owner, settings); }, {ObjectName(control::kTextColour)}},
        {[&] { (void)RunSettingsDialog(owner, settings); },
         {ObjectName(control::kHardwareKeys), ObjectName(control::kKeyButton, 0)}},
        {[&] { RunFindDialog(owner, settings.recentSearches, flags, view, actions); }, {}},
        {[&] { RunChaptersDialog(owner, chapters, 299); }, {}},
        {[&] { RunChaptersDialog(owner, {}, std::nullopt); }, {}},
        {[&] {
             RunGoToDialog(owner, {1234, 56789});
         },
         {}},
        {[&] { (void)RunAddBookmarkDialog(owner, label, 1024); }, {}},
        {[&] { RunEditBookmarksDialog(owner, bookmarks); }, {}},
        {[&] { RunAboutDialog(owner); }, {}},
        {[&] { (void)Confirm(owner, text); }, {}},
        {[&] { ShowOpenFailure(owner, text); }, {}},
    };
    for (const auto& [open, path] : openings) {
        test::ModalAnswer<QDialog> answer(
            [&steps = path](QDialog& dialog) { WalkDialogs(dialog, steps); });
        open();
        EXPECT_TRUE(answer.Answered());
    }
    // The list of every occurrence grows the find dialog only within the screen.
    test::ModalAnswer<QDialog> listed([](QDialog& dialog) {
        test::ClickButton(dialog, control::kFindAllButton);
        ExpectFits(dialog);
        dialog.reject();
    });
    RunFindDialog(owner, settings.recentSearches, flags, view, actions);
    EXPECT_TRUE(listed.Answered());
}

}  // namespace
}  // namespace sorna
