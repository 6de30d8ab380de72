#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace sorna::test {

// Answers the first modal window of type Window that opens while this object lives: `answer`
// runs on it from inside the window's own event loop, as a user would act on it.
template <typename Window>
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Window&)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    bool Answered() const { return answered_; }

private:
    void Poll() {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible()) {
            return;
        }
        timer_.stop();
        answered_ = true;
        answer_(*window);
    }

    std::function<void(Window&)> answer_;
    QTimer timer_;
    bool answered_ = false;
};

struct SeenMessage {
    QString caption;
    QString text;
};

// An answer to a message box: note what it says, then press `button`.
inline std::function<void(QMessageBox&)> Press(QMessageBox::StandardButton button,
                                               SeenMessage& seen) {
    return [button, &seen](QMessageBox& box) {
        seen = {box.windowTitle(), box.text()};
        box.button(button)->click();
    };
}

}  // namespace sorna::test
