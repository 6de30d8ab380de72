#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "app/PumpMessages.h"

namespace sorna {
namespace {

// Posts itself again for every event it gets.
class Reposter : public QObject {
public:
    int handled = 0;

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) {
            return QObject::event(event);
        }
        ++handled;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        return true;
    }
};

TEST(PumpMessages, HandlesWhatIsPendingAndReturnsDespiteNewPosts) {
    Reposter reposter;
    QCoreApplication::postEvent(&reposter, new QEvent(QEvent::User));
    PumpMessages();
    EXPECT_GE(reposter.handled, 1);
    const int afterFirst = reposter.handled;
    PumpMessages();
    EXPECT_GT(reposter.handled, afterFirst);
    QCoreApplication::removePostedEvents(&reposter);
}

}  // namespace
}  // namespace sorna
