#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/EventLoop.h"
#include "app/qt/MainWindow.h"
#include "app/qt/PageWidget.h"
#include "tests/platform/RegistryTestFolder.h"

namespace sorna::test {

using Ids = std::vector<CommandId>;

// Watches the commands that reach a window, in the order they are handled. With `swallow` they
// are recorded only, so a test can see what input posts without it taking effect.
class CommandSpy : public QObject {
public:
    CommandSpy(QObject& window, bool swallow) : swallow_(swallow) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != CommandEvent::kType) {
            return false;
        }
        ids.push_back(static_cast<CommandEvent*>(event)->Id());
        return swallow_;
    }

    // The commands handled since the last call, those that commands post included.
    std::vector<CommandId> Take() {
        for (int round = 0; round < 4; ++round) {
            QCoreApplication::processEvents();
        }
        return std::exchange(ids, {});
    }

    std::vector<CommandId> ids;

private:
    bool swallow_;
};

// A generous bound for what a loaded machine may take; waits end as soon as their condition holds.
constexpr int kPatienceMs = 10000;

inline PageWidget& PageOf(MainWindow& window) {
    return *window.findChild<PageWidget*>();
}

// Handles the modal dialog or message box that the next step opens, once it is up.
inline void WhenDialogOpens(std::function<void(QDialog&)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            answer(*dialog);
        }
    });
    poll->start(5);
}

// A window over its own registry folder, shown with a page of 240 x 300, once its start-up
// timer has reopened the most recent file.
class MainWindowTest : public testing::Test {
protected:
    std::unique_ptr<MainWindow> ShowWindow() {
        auto window = std::make_unique<MainWindow>(settings);
        window->show();
        // Exactly this page, whatever the bar takes.
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QSize page = PageOf(*window).size();
            window->resize(window->width() + 240 - page.width(),
                           window->height() + 300 - page.height());
            QCoreApplication::processEvents();
        }
        EXPECT_TRUE(QTest::qWaitFor([&window] { return !window->ReopenPending(); }, kPatienceMs));
        return window;
    }

    // The window reading 400 lines that each start with an English word.
    std::unique_ptr<MainWindow> ShowReading() {
        std::string text;
        for (int line = 0; line < 400; ++line) {
            text += "reading 가나다라마바사 " + std::to_string(line) + "\n";
        }
        settings.recentFiles.RememberFile(WriteFile("words.txt", text), 0);
        auto window = ShowWindow();
        EXPECT_GT(window->Session().View().Lines().Count(), 100);
        return window;
    }

    std::u16string WriteFile(std::string_view name, std::string_view bytes) const {
        return registry.Write(name, bytes).u16string();
    }

    static void Activate(QWidget& window) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    RegistryTestFolder registry;
    Settings settings;
};

}  // namespace sorna::test
