#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/CommandEvent.h"
#include "app/qt/MainWindow.h"
#include "app/qt/PageWidget.h"
#include "platform/registry/Registry.h"
#include "resources/Format.h"
#include "tests/platform/RegistryTestFolder.h"
#include "tests/support/Corpus.h"

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

// Waits for the start-up timer to have reopened the most recent file.
inline bool StartedUp(const MainWindow& window) {
    return QTest::qWaitFor([&window] { return !window.ReopenPending(); }, kPatienceMs);
}

inline std::u16string CorpusPath(const char* name) {
    return Widen(corpus::File(name).string());
}

inline PageWidget& PageOf(MainWindow& window) {
    return *window.findChild<PageWidget*>();
}

// Gives the page exactly this size, whatever the bar takes.
inline void SetPageSize(MainWindow& window, int width, int height) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QSize page = PageOf(window).size();
        window.resize(window.width() + width - page.width(),
                      window.height() + height - page.height());
        QCoreApplication::processEvents();
    }
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

// The caption and text of a message box, filled in once it has shown and been answered.
struct ShownMessage {
    QString caption;
    QString text;
};

// Confirms the message box that the next step shows, noting what it said.
inline void NoteNextMessage(ShownMessage& shown) {
    WhenDialogOpens([&shown](QDialog& box) {
        shown.caption = box.windowTitle();
        shown.text = static_cast<QMessageBox&>(box).text();
        box.accept();
    });
}

// A window over its own registry folder, shown, once its start-up timer has run.
class MainWindowTest : public testing::Test {
protected:
    std::unique_ptr<MainWindow> ShowWindow(int pageWidth = 240, int pageHeight = 300) {
        auto window = std::make_unique<MainWindow>(settings);
        window->show();
        SetPageSize(*window, pageWidth, pageHeight);
        EXPECT_TRUE(StartedUp(*window));
        return window;
    }

    // A file of our own in the test folder.
    std::u16string WriteFile(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = registry.Path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.u16string();
    }

    RegistryTestFolder registry;
    Settings settings;
};

}  // namespace sorna::test
