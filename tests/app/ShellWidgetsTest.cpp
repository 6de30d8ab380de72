// The window's parts on their own: the menu bar, the page, the progress window, the translation,
// the about box and the dictionary's launch.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <fstream>
#include <sstream>

#include "app/qt/AboutDialog.h"
#include "app/qt/MenuBar.h"
#include "app/qt/PackagedResources.h"
#include "app/qt/PageWidget.h"
#include "app/qt/ProgressWindow.h"
#include "app/qt/ShellDialogs.h"
#include "app/qt/ToolBarArrowStyle.h"
#include "tests/app/SessionFixture.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ViewTestSupport.h"

namespace sorna {
namespace {

using test::ControlOf;

// The popup of the bar button with this text, opened as a tap on it would, so it is prepared.
QMenu& OpenPopup(MenuBar& bar, const char16_t* text) {
    for (QToolButton* button : bar.findChildren<QToolButton*>()) {
        QAction* action = button->defaultAction();
        if (button->text() == QString::fromUtf16(text) && action && action->menu()) {
            action->menu()->popup(QPoint(0, 0));
            action->menu()->hide();
            return *action->menu();
        }
    }
    throw std::runtime_error("no popup");
}

// The items as "id text", a checked one with " *" after it, a separator as "-".
QStringList ItemsOf(const QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions()) {
        items.append(action->isSeparator()
                         ? QStringLiteral("-")
                         : QStringLiteral("%1 %2%3").arg(action->data().toString(), action->text(),
                                                         action->isChecked() ? " *" : ""));
    }
    return items;
}

TEST(MenuBar, PopupsAreFilledAfreshFromTheListsAndSettingsAtEachOpening) {
    Settings settings;
    for (int n = 0; n < 14; ++n) {
        settings.recentFiles.RememberFile(u"/books/" + std::u16string(1, u'a' + n) + u"&.txt", 0);
        settings.bookmarks.AddBookmark(u"/books/a.txt", n, u"R&D");
    }
    settings.bUseEngDic = true;
    QWidget owner;
    test::FakeShell shell;
    test::FixedMetricsDevice device;
    test::RecordingInhibitor inhibitor;
    const ReaderSession session(settings, shell, device, inhibitor);
    MenuBar bar(settings, session, owner);
    QSignalSpy chosen(&bar, &MenuBar::CommandChosen);

    // The thirteen most recent files by name, their '&' shown as it is, then the clearing command.
    QMenu* recent = OpenPopup(bar, u"메뉴").actions()[2]->menu();
    ASSERT_NE(recent, nullptr);
    QStringList items = ItemsOf(*recent);
    ASSERT_EQ(items.size(), 15);
    EXPECT_EQ(items[0], QStringLiteral("40050 n&&.txt"));  // IDM_RECENT_00
    EXPECT_EQ(items.mid(12), QStringList({"40062 b&&.txt", "-", "40024 최근 파일 목록 지우기"}));
    recent->actions()[1]->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].value<CommandId>(), IDM_RECENT_00 + 1);
    settings.recentFiles.ClearRecentFiles();
    OpenPopup(bar, u"메뉴");
    EXPECT_EQ(ItemsOf(*recent).size(), 2);

    items = ItemsOf(OpenPopup(bar, u"책"));
    ASSERT_EQ(items.size(), 11 + 13);
    EXPECT_EQ(items.mid(10, 2), QStringList({"-", "40100 R&&D"}));  // IDM_BOOKMARK_00
    EXPECT_EQ(items.back(), QStringLiteral("40112 R&&D"));
    settings.bookmarks.ClearBookmarks();
    EXPECT_EQ(ItemsOf(OpenPopup(bar, u"책")).size(), 11);

    items = ItemsOf(OpenPopup(bar, u"보기"));
    EXPECT_TRUE(items.contains("40028 영어사전사용 *") && items.contains("40033 돌려보기"));
    settings.bUseEngDic = false;
    settings.bRotate = true;
    items = ItemsOf(OpenPopup(bar, u"보기"));
    EXPECT_TRUE(items.contains("40028 영어사전사용") && items.contains("40033 돌려보기 *"));
    // 자동 while nothing is open, then every encoding that can be chosen.
    items = ItemsOf(*OpenPopup(bar, u"보기").actions()[kEncodingsPosition]->menu());
    ASSERT_EQ(items.size(), 12);
    EXPECT_EQ(items.mid(0, 3), QStringList({"40220 자동 *", "-", "40221 한국어 (CP949)"}));
}

// Counts the paint events of the widget it watches.
struct PaintCount : QObject {
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

bool AnImagePluginIsLoaded() {
    std::ostringstream maps;
    maps << std::ifstream("/proc/self/maps").rdbuf();
    return maps.str().find("/imageformats/") != std::string::npos;
}

// A tool bar is made without an image plugin loaded, and its extension arrows are Qt's own.
TEST(ToolBarArrowStyle, AToolBarLoadsNoImagePluginAndItsArrowsAreQtsOwn) {
    ASSERT_FALSE(AnImagePluginIsLoaded()) << "none before the bar";
    QApplication::setStyle(new ToolBarArrowStyle(QApplication::style()->name()));
    const QToolBar bar;
    EXPECT_FALSE(AnImagePluginIsLoaded());
    const QProxyStyle qts;
    for (const auto& [icon, sizes] :
         {std::pair(QStyle::SP_ToolBarHorizontalExtensionButton, std::vector{8, 16, 32}),
          std::pair(QStyle::SP_ToolBarVerticalExtensionButton, std::vector{5, 10, 20})}) {
        for (const int size : sizes) {
            const QImage ours = QApplication::style()->standardIcon(icon).pixmap(size).toImage();
            EXPECT_FALSE(ours.isNull());
            EXPECT_EQ(ours, qts.standardIcon(icon).pixmap(size).toImage()) << icon << " " << size;
        }
    }
}

TEST(PageWidget, EverySmoothStepReachesTheScreenAtOnce) {
    PageCanvas canvas;
    TextView view(canvas);
    QWidget window;
    PageWidget page(canvas, view, window);
    page.resize(240, 320);
    window.show();
    QCoreApplication::processEvents();
    test::SetText(view.Document(), std::u16string(40, u'\n'));
    ASSERT_TRUE(view.Layout(nullptr));
    view.SetOptions(true, true);
    PaintCount count(page);
    view.ScrollLines(7);
    EXPECT_EQ(count.paints, 7);
}

TEST(ProgressWindow, ShowsEachStageAtOnceOverTheCentreOfItsOwner) {
    QWidget owner;
    owner.setGeometry(100, 80, 480, 640);
    owner.show();
    QCoreApplication::processEvents();
    ProgressWindow progress(owner);
    const QLabel& label = ControlOf<QLabel>(progress, control::kProgressText);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(label.text(), QStringLiteral("처리중"));
    const QPoint offset = progress.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
    // What is pending is handled; a timer that is always due does not hold the load up.
    int ticks = 0;
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [&ticks] { ++ticks; });
    ticking.start(0);
    progress.SetProgressText(u"파일 열기");
    EXPECT_EQ(label.text(), QStringLiteral("파일 열기"));
    EXPECT_GE(ticks, 1);
}

TEST(Translations, MessageBoxesSpeakKorean) {
    // Debian's qt6-translations-l10n is part of the set-up, so Qt's file is there.
    EXPECT_TRUE(LoadKoreanTranslation(*QCoreApplication::instance()));
    const QMessageBox box(
        QMessageBox::Question, QStringLiteral("Sorna"), QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    QStringList texts;
    // Texts the reader does not set itself come from Qt's translation.
    for (const auto button :
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel}) {
        texts.append(box.button(button)->text());
    }
    EXPECT_EQ(texts, QStringList({"예", "아니요", "확인", "취소"}));
}

TEST(AboutBox, ShowsNameVersionBuildDateAndTextMaximisedOverAFullScreenWindow) {
    QWidget owner;
    owner.showFullScreen();
    test::ModalAnswer<AboutDialog> close([](AboutDialog& about) {
        EXPECT_TRUE(about.windowState().testFlag(Qt::WindowMaximized));
        EXPECT_EQ(ControlOf<QLabel>(about, control::kAboutVersion).text(),
                  QStringLiteral("Sorna 1.71"));
        const QString date = ControlOf<QLabel>(about, control::kAboutDate).text();
        const QRegularExpression pattern(
            QStringLiteral("^\\( [A-Z][a-z]{2} [ 1-3][0-9] 20[0-9]{2} \\)$"));
        EXPECT_TRUE(pattern.match(date).hasMatch()) << date.toStdString();
        // The stored CR LF pairs break the lines and leave no carriage return behind.
        const QTextDocument& text =
            *ControlOf<QPlainTextEdit>(about, control::kAboutText).document();
        EXPECT_TRUE(text.firstBlock().text().startsWith(QStringLiteral("Sorna는 긴 텍스트")));
        EXPECT_GT(text.blockCount(), 10);
        EXPECT_FALSE(text.toPlainText().contains(QLatin1Char('\r')));
        test::ClickButton(about, control::kOk);
    });
    RunAboutDialog(owner);
    EXPECT_TRUE(close.Answered());
}

// A folder, a missing file, a file that cannot be run and anything from the working folder are
// all a wrong path; auto-scroll goes on. A bare name is looked for on PATH's absolute folders.
TEST(LaunchDictionary, RunsOnlyAnAbsoluteProgramOrOneOnPathAndReportsAnyOtherPath) {
    QWidget owner;
    owner.show();
    TempFolder folder;
    const std::filesystem::path said = folder.Path("said.txt");
    const std::filesystem::path program =
        folder.Write("lexo", "#!/bin/sh\necho \"$1\" > '" + said.string() + "'\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const std::filesystem::path workingFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const std::string relativePath = ":.:" + folder.Path().filename().string();
    const std::tuple<std::u16string, std::string, bool> paths[] = {
        {TempFolder::Wide(folder.Path()), "", false},
        {TempFolder::Wide(folder.Path("missing")), "", false},
        {TempFolder::Wide(folder.Write("notes.txt", "hi\n")), "", false},
        {u"lexo", relativePath, false},
        {u"./lexo", relativePath, false},
        {u"\\Program Files\\Lexo\\Lexo.exe", relativePath, false},
        {u"lexo", "/nonexistent:" + folder.Path().string(), true},
    };
    const QString kMissing =
        QStringLiteral("사전 프로그램이 설치되지 않았거나 경로가 바르지 않습니다.");
    const QByteArray searchPathBefore = qgetenv("PATH");
    int autoScrollStops = 0;
    for (const auto& [path, searchPath, runs] : paths) {
        qputenv("PATH", QByteArray::fromStdString(searchPath));
        test::SeenMessage seen;
        test::ModalAnswer<QMessageBox> answer(test::Press(QMessageBox::Ok, seen));
        LaunchDictionary(owner, path, u"hello", [&] { ++autoScrollStops; });
        EXPECT_EQ(seen.text, runs ? QString() : kMissing);
        EXPECT_EQ(autoScrollStops, runs ? 1 : 0);
    }
    qputenv("PATH", searchPathBefore);
    std::filesystem::current_path(workingFolder);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !TempFolder::ReadFile(said).empty(); }, 10000));
    EXPECT_EQ(TempFolder::ReadFile(said), "hello\n");
}

}  // namespace
}  // namespace sorna
