#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "app/qt/ProgressWindow.h"
#include "app/qt/EventLoop.h"
#include "platform/qt/QtConversions.h"

namespace sorna {
namespace {

QString LabelText(const QWidget& window) {
    const auto* label = window.findChild<QLabel*>(ControlName(kIdProgressText));
    return label != nullptr ? label->text() : QStringLiteral("(no label)");
}

TEST(ProgressWindow, ShowsEachStageOverTheCentreOfItsOwnerWhilePumping) {
    QWidget owner;
    owner.setGeometry(100, 80, 480, 640);
    owner.show();
    PumpMessages();
    {
        ProgressWindow progress(owner);
        EXPECT_TRUE(progress.isVisible());
        EXPECT_TRUE(progress.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(LabelText(progress), QStringLiteral("처리중"));
        const QPoint offset = progress.frameGeometry().center() - owner.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);

        bool timerRan = false;
        QTimer::singleShot(0, &owner, [&timerRan] { timerRan = true; });
        static_cast<ProgressText&>(progress).SetProgressText(u"파일 열기");
        EXPECT_EQ(LabelText(progress), QStringLiteral("파일 열기"));
        EXPECT_TRUE(timerRan);
    }
    EXPECT_TRUE(owner.findChildren<ProgressWindow*>().isEmpty());
}

}  // namespace
}  // namespace sorna
