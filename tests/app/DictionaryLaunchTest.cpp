#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTest>
#include <QWidget>

#include "app/InputCommands.h"
#include "app/qt/ShellDialogs.h"
#include "tests/app/ModalAnswer.h"
#include "tests/platform/TempFolder.h"
#include "tests/view/ViewTestSupport.h"

namespace sorna {
namespace {

using test::ModalAnswer;
using test::Press;
using test::SeenMessage;

// The word under the middle of the n-th character of the top line; every character is 10 pixels
// wide.
WordHit WordOnTopLine(const TextView& view, int n) {
    return view.WordAt(view.TextArea().left + 10 * n + 5, view.TextArea().top + 2);
}

class DictionaryLaunchTest : public testing::Test {
protected:
    void SetUp() override {
        view.SetTextArea({0, 0, 400, 320}, false);
        owner.show();
    }
    void Show(std::u16string_view text) {
        test::SetText(view.Document(), text);
        ASSERT_TRUE(view.Layout(nullptr));
    }
    // A dictionary program that writes its argument count and arguments, one a line, beside itself.
    std::filesystem::path WriteDictionary() {
        const auto program =
            folder.Write("dict.sh", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.args\"\n");
        ::chmod(program.c_str(), 0755);
        return program;
    }
    void Launch(const std::filesystem::path& program, std::u16string_view word) {
        LaunchDictionary(owner, TempFolder::Wide(program), word, [this] { ++autoScrollStops; });
    }

    test::FixedMetricsDevice device;
    TextView view{device};
    QWidget owner;
    TempFolder folder;
    int autoScrollStops = 0;
};

TEST_F(DictionaryLaunchTest, StartsTheProgramWithTheTappedWordAsItsOneArgument) {
    Show(u"hello, world\n");
    const auto program = WriteDictionary();
    ModalAnswer<QMessageBox> noMessage([](QMessageBox& box) { box.close(); });
    const WordHit hello = WordOnTopLine(view, 4);  // the "o" next to the comma
    ASSERT_TRUE(IsDictionaryWord(hello));
    Launch(program, hello.word);
    EXPECT_EQ(autoScrollStops, 1);
    QFile arguments(QString::fromStdString(program.string() + ".args"));
    ASSERT_TRUE(QTest::qWaitFor([&arguments] { return arguments.size() > 0; }, 5000));
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
    EXPECT_EQ(arguments.readAll(), QByteArray("1\nhello\n"));
    EXPECT_FALSE(noMessage.Answered());
}

TEST_F(DictionaryLaunchTest, AWrongPathIsReportedAndAutoScrollGoesOn) {
    for (const std::filesystem::path& wrong : {folder.Path(""), folder.Path("missing")}) {
        SeenMessage seen;
        ModalAnswer<QMessageBox> answer(Press(QMessageBox::Ok, seen));
        Launch(wrong, u"hello");
        EXPECT_EQ(seen.text,
                  QStringLiteral("사전(Lexo)이 설치되지 않았거나 경로가 바르지 않습니다."));
        EXPECT_EQ(seen.caption, QStringLiteral("Sorna"));
    }
    EXPECT_EQ(autoScrollStops, 0);

    // A file that is there but cannot be run is reported too.
    const auto notAProgram = folder.Write("notes.txt", "hello\n");
    SeenMessage seen;
    ModalAnswer<QMessageBox> answer(Press(QMessageBox::Ok, seen));
    Launch(notAProgram, u"hello");
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(autoScrollStops, 1);
}

}  // namespace
}  // namespace sorna
