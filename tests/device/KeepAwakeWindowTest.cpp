#include <QToolButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "tests/app/MainWindowFixture.h"
#include "tests/device/StandInService.h"

namespace sorna::test {
namespace {

// Lines that start with an English word a tap can hand to the dictionary; far more than a page.
std::string WordLines(int count) {
    std::string text;
    for (int line = 0; line < count; ++line) {
        text += "reading 가나다라마바사 " + std::to_string(line) + "\n";
    }
    return text;
}

constexpr const char* kNovel = "ko-utf8-novel-01.txt";

const QStringList kHeld{StandInService::InhibitLine(4101)};
const QStringList kHeldAndGivenBack{StandInService::InhibitLine(4101), "UnInhibit 4101"};

// A reader on a private session bus whose desktop serves the screen-saver interface.
class KeepAwake : public MainWindowTest {
public:
    using MainWindowTest::settings;
    using MainWindowTest::WriteFile;

    // An active reader on a document of `lines` lines, a novel second in the recent files.
    // Auto-scroll is so slow that it never steps while a case runs.
    std::unique_ptr<MainWindow> ActiveReader(int lines) {
        settings.recentFiles.RememberFile(CorpusPath(kNovel), 0);
        settings.recentFiles.RememberFile(WriteFile("words.txt", WordLines(lines)), 0);
        settings.nAutoScrollSpeed = 100000;
        settings.nLRSpace = 0;
        auto window = ShowWindow(240, 300);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(window->View().Document().HasDocument());
        return window;
    }

    // A tap on the bar's "자동" button, as the user starts and stops auto-scroll.
    static void TapAutoScrollButton(MainWindow& window) {
        for (QToolButton* button : window.findChildren<QToolButton*>()) {
            if (button->text() == QStringLiteral("자동")) {
                QTest::mouseClick(button, Qt::LeftButton);
                QCoreApplication::processEvents();
                return;
            }
        }
        ADD_FAILURE() << "no 자동 button";
    }

    static void Activate(QWidget& window) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A dictionary program that writes the word it is given to said.txt beside itself.
    std::filesystem::path InstallDictionary() {
        const std::filesystem::path said = registry.Path() / "said.txt";
        settings.sEngDicPath =
            WriteFile("dictionary.sh", "#!/bin/sh\nprintf '%s' \"$1\" > '" + said.string() + "'\n");
        std::filesystem::permissions(settings.sEngDicPath, std::filesystem::perms::owner_all);
        settings.bUseEngDic = 1;
        return said;
    }

    StandInService service{StandInService::Serves::ScreenSaver};
};

TEST_F(KeepAwake, TheAutoScrollButtonInhibitsOnceAndItsSecondTapGivesItBack) {
    ASSERT_TRUE(service.IsReady());
    auto window = ActiveReader(400);
    // The first activation and the opening of the most recent file held nothing to give back.
    EXPECT_EQ(service.Calls(), QStringList());

    TapAutoScrollButton(*window);
    ASSERT_TRUE(window->AutoScrolling());
    // Time itself is the point: a few auto-scroll ticks go by without another call.
    QTest::qWait(350);
    EXPECT_EQ(service.Calls(), kHeld);

    TapAutoScrollButton(*window);
    EXPECT_FALSE(window->AutoScrolling());
    EXPECT_EQ(service.WaitForCalls(2), kHeldAndGivenBack);
}

// Each step of auto-scroll counts as user activity; the inhibition stays the one taken at the
// start.
TEST_F(KeepAwake, EveryAutoScrollStepIsUserActivity) {
    ASSERT_TRUE(service.IsReady());
    auto window = ActiveReader(400);
    settings.nAutoScrollSpeed = 1;
    TapAutoScrollButton(*window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->View().TopLine() >= 3; }, kPatienceMs));
    TapAutoScrollButton(*window);
    const int32_t steps = window->View().TopLine();

    QStringList expected = kHeld;
    for (int32_t step = 0; step < steps; ++step) {
        expected << "SimulateUserActivity";
    }
    expected << "UnInhibit 4101";
    EXPECT_EQ(service.WaitForCalls(expected.size()), expected);
}

// One way auto-scroll ends without its button.
struct Stop {
    const char* name;
    int lines;         // of the document being read
    bool opensDialog;  // a modal dialog follows the stop; it is left without OK
    std::function<void(KeepAwake&, std::unique_ptr<MainWindow>&)> stop;
};

void PrintTo(const Stop& stop, std::ostream* out) {
    *out << stop.name;
}

class EveryStop : public KeepAwake, public testing::WithParamInterface<Stop> {};

TEST_P(EveryStop, GivesTheInhibitionBackAtOnce) {
    ASSERT_TRUE(service.IsReady());
    const Stop& stop = GetParam();
    auto window = ActiveReader(stop.lines);
    TapAutoScrollButton(*window);
    ASSERT_EQ(service.WaitForCalls(1).value(0), kHeld.front());

    QStringList underDialog;
    if (stop.opensDialog) {
        WhenDialogOpens([&](QDialog& dialog) {
            underDialog = service.Calls();
            dialog.done(QDialog::Rejected);
        });
    }
    stop.stop(*this, window);
    EXPECT_TRUE(window == nullptr || !window->AutoScrolling());
    EXPECT_EQ(service.WaitForCalls(2), kHeldAndGivenBack);
    if (stop.opensDialog) {
        EXPECT_EQ(underDialog, kHeldAndGivenBack);
    }
    // Nothing later takes it again: not a return to the window, not its end.
    if (window != nullptr && window->isVisible()) {
        Activate(*window);
    }
    if (window != nullptr) {
        window.reset();
    }
    EXPECT_EQ(service.Calls(), kHeldAndGivenBack);
}

void Post(MainWindow& window, CommandId id) {
    PostCommand(window, id);
    QCoreApplication::processEvents();
}

const Stop kStops[] = {
    {"TheEndOfTheText", 3, false,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) {
         EXPECT_TRUE(QTest::qWaitFor([&] { return !window->AutoScrolling(); }, kPatienceMs));
     }},
    {"AnotherProgramsWindow", 400, false,
     [](KeepAwake& test, std::unique_ptr<MainWindow>&) {
         QWidget other;
         other.show();
         test.Activate(other);
     }},
    {"TheAboutBox", 400, true,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) { Post(*window, IDM_ABOUT); }},
    {"TheSettingsDialog", 400, true,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) { Post(*window, IDM_SETTINGS); }},
    {"TheOpenFileDialog", 400, true,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) { Post(*window, IDM_OPEN); }},
    {"OpeningAnotherDocument", 400, false,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) {
         Post(*window, IDM_RECENT_00 + 1);
         EXPECT_EQ(window->View().Document().documentPath, CorpusPath(kNovel));
     }},
    {"ClosingTheDocument", 400, false,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) {
         Post(*window, IDM_CLOSE);
         EXPECT_FALSE(window->View().Document().HasDocument());
     }},
    {"TheDictionaryLaunch", 400, false,
     [](KeepAwake& test, std::unique_ptr<MainWindow>& window) {
         const std::filesystem::path said = test.InstallDictionary();
         QTest::mouseClick(&PageOf(*window), Qt::LeftButton, {}, QPoint(20, 250));
         EXPECT_TRUE(QTest::qWaitFor(
             [&] { return RegistryTestFolder::ReadFile(said) == "reading"; }, kPatienceMs));
     }},
    {"ClosingTheWindow", 400, false,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) { EXPECT_TRUE(window->close()); }},
    {"TheWindowsEnd", 400, false,
     [](KeepAwake&, std::unique_ptr<MainWindow>& window) { window.reset(); }},
};

INSTANTIATE_TEST_SUITE_P(AutoScroll, EveryStop, testing::ValuesIn(kStops),
                         [](const testing::TestParamInfo<Stop>& info) { return info.param.name; });

// The find and bookmark dialogs are part of reading: auto-scroll and the inhibition go on under
// them.
TEST_F(KeepAwake, TheFindAndBookmarkDialogsKeepItHeld) {
    ASSERT_TRUE(service.IsReady());
    auto window = ActiveReader(400);
    TapAutoScrollButton(*window);
    for (const CommandId id : {IDM_FIND, IDM_BOOKMARK_ADD, IDM_BOOKMARK_EDIT}) {
        SCOPED_TRACE(id);
        bool scrollingUnderDialog = false;
        WhenDialogOpens([&](QDialog& dialog) {
            scrollingUnderDialog = window->AutoScrolling();
            dialog.done(QDialog::Rejected);
        });
        Post(*window, id);
        EXPECT_TRUE(scrollingUnderDialog);
        EXPECT_EQ(service.Calls(), kHeld);
    }
}

}  // namespace
}  // namespace sorna::test
