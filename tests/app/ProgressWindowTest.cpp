#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "app/ProgressWindow.h"
#include "app/PumpMessages.h"

namespace sorna {
namespace {

QString LabelText(const QWidget& window) {
    const auto* label = window.findChild<QLabel*>(QStringLiteral("1029"));
    return label != nullptr ? label->text() : QStringLiteral("(no label)");
}

class ProgressWindowTest : public testing::Test {
protected:
    void SetUp() override {
        owner.setGeometry(100, 80, 480, 640);
        owner.show();
        PumpMessages();
    }

    QWidget owner;
};

TEST_F(ProgressWindowTest, ShowsCaptionlessOverTheCentreOfItsOwner) {
    const ProgressWindow progress(owner);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(progress.isWindow());
    EXPECT_EQ(progress.parentWidget(), &owner);
    EXPECT_TRUE(progress.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(LabelText(progress), QStringLiteral("처리중"));
    const QPoint offset = progress.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
    EXPECT_GT(progress.width(), progress.height());
}

TEST_F(ProgressWindowTest, EveryTextIsShownWithPendingEventsHandled) {
    ProgressWindow progress(owner);
    ProgressText& stage = progress;
    bool timerRan = false;
    QTimer::singleShot(0, &owner, [&timerRan] { timerRan = true; });
    stage.SetProgressText(u"파일 열기");
    EXPECT_EQ(LabelText(progress), QStringLiteral("파일 열기"));
    EXPECT_TRUE(timerRan);
    stage.SetProgressText(u"변환");
    EXPECT_EQ(LabelText(progress), QStringLiteral("변환"));
}

TEST_F(ProgressWindowTest, GoesAwayWithTheObject) {
    {
        const ProgressWindow progress(owner);
        EXPECT_EQ(owner.findChildren<ProgressWindow*>().size(), 1);
    }
    EXPECT_TRUE(owner.findChildren<ProgressWindow*>().isEmpty());
}

}  // namespace
}  // namespace sorna
