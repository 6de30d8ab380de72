#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "app/ReaderSession.h"
#include "app/ReaderShell.h"
#include "platform/IdleInhibitor.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"
#include "tests/support/LoadedSettings.h"
#include "tests/support/RegistryTestFolder.h"
#include "tests/support/ViewTestSupport.h"

namespace sorna::test {

using Ids = std::vector<CommandId>;
using Texts = std::vector<std::u16string>;

// The window as the session sees it, recording what it is shown and asked. Every dialog and
// box runs `duringDialog` while it is "up"; questions get `yes`.
class FakeShell : public ReaderShell {
public:
    void SetCaption(std::u16string_view text) override { caption = text; }
    ViewRect PageArea() override { return page; }
    void Repaint() override {
        if (onRepaint) {
            onRepaint();
        }
    }
    void PumpEvents() override {}
    void PostCommand(CommandId id) override { posted.push_back(id); }
    void PostClose() override { ++closesPosted; }
    void PostFromWorker(std::function<void()> task) override {
        const std::lock_guard lock(workerMutex_);
        fromWorkers_.push_back(std::move(task));
        workerPosted_.notify_all();
    }
    // Runs what worker threads posted, once one has posted something; false when none did
    // within the bound.
    bool RunWorkerTasks(std::chrono::seconds bound = std::chrono::seconds(60)) {
        std::vector<std::function<void()>> tasks;
        {
            std::unique_lock lock(workerMutex_);
            if (!workerPosted_.wait_for(lock, bound, [this] { return !fromWorkers_.empty(); })) {
                return false;
            }
            tasks.swap(fromWorkers_);
        }
        for (const auto& task : tasks) {
            task();
        }
        return true;
    }
    void SetFullScreen(bool on) override { fullScreen = on; }
    // A load or layout is under way while this runs `duringLoad`, once.
    std::unique_ptr<ProgressText> ShowProgress() override {
        if (duringLoad) {
            std::exchange(duringLoad, nullptr)();
        }
        return nullptr;
    }
    void ShowOpenFailure(std::u16string_view message) override { failures.emplace_back(message); }
    bool Confirm(std::u16string_view question) override { return Dialog(question); }
    std::u16string ChooseDocumentPath() override {
        Dialog(u"open");
        return chosenPath;
    }
    void RunAboutDialog() override { Dialog(u"about"); }
    bool RunSettingsDialog(Settings&) override { return Dialog(u"settings"); }
    void RunFindDialog(RecentSearches&, SearchFlags, const TextView&, FindActions&) override {
        Dialog(u"find");
    }
    std::optional<size_t> RunChaptersDialog(std::span<const Chapter> chapters,
                                            std::optional<size_t> current) override {
        Dialog(u"chapters");
        listedChapters = chapters.size();
        currentChapter = current;
        return chosenChapter;
    }
    std::optional<GoToTarget> RunGoToDialog(PageNumbers pages) override {
        Dialog(u"go to");
        pagesAsked = pages;
        return goTo;
    }
    void ShowNotice(std::u16string_view text) override { notices.emplace_back(text); }
    void RunEditBookmarksDialog(Bookmarks&) override { Dialog(u"bookmarks"); }
    bool RunAddBookmarkDialog(std::u16string& label, size_t) override {
        Dialog(u"add " + label);
        label = bookmarkLabel;
        return yes;
    }
    void LaunchDictionary(std::u16string_view, std::u16string_view word,
                          const std::function<void()>& stopAutoScroll) override {
        stopAutoScroll();
        Dialog(u"dictionary " + std::u16string(word));
    }

    ViewRect page{0, 0, 240, 300};
    std::u16string caption;
    Ids posted;
    int closesPosted = 0;
    bool fullScreen = false;
    Texts failures;
    Texts dialogs;  // and questions, as they came
    std::function<void()> duringLoad;
    std::function<void()> onRepaint;
    std::function<void()> duringDialog = [] {};
    bool yes = true;
    std::u16string chosenPath;
    std::u16string bookmarkLabel;
    size_t listedChapters = 0;
    std::optional<size_t> currentChapter;
    std::optional<size_t> chosenChapter;
    PageNumbers pagesAsked;
    std::optional<GoToTarget> goTo;
    Texts notices;

private:
    std::mutex workerMutex_;
    std::condition_variable workerPosted_;
    std::vector<std::function<void()>> fromWorkers_;

    bool Dialog(std::u16string_view name) {
        dialogs.emplace_back(name);
        duringDialog();
        return yes;
    }
};

// Notes what the keeper asks of the desktop, in order.
class RecordingInhibitor : public IdleInhibitor {
public:
    void Inhibit() override { calls += "inhibit "; }
    void UnInhibit() override { calls += "uninhibit "; }
    void SimulateUserActivity() override { calls += "activity "; }

    std::string calls;
};

inline std::u16string CorpusPath(const char* name) {
    return Widen(corpus::File(name).string());
}

// A session over a fake window with a fixed-width font, the registry in a folder of its own.
class SessionTest : public testing::Test {
protected:
    // As the window starts: laid out for the page, then the most recent file reopened.
    void Start() {
        session.Start();
        EXPECT_TRUE(session.ReopenMostRecentFile());
    }

    void Run(std::initializer_list<CommandId> ids) {
        for (const CommandId id : ids) {
            session.RunCommand(id);
        }
    }

    // Carries out what the session posted, as the window's event loop would, until none is left.
    Ids RunPosted() {
        Ids ran;
        while (!shell.posted.empty()) {
            ran.push_back(shell.posted.front());
            shell.posted.erase(shell.posted.begin());
            session.RunPostedCommand(ran.back());
        }
        return ran;
    }

    std::u16string WriteFile(std::string_view name, std::string_view bytes) const {
        return registry.Write(name, bytes).u16string();
    }

    // The settings as the next start would read them from the files on disk.
    Settings Saved() const {
        LoadRegistry(registry.Path());
        return LoadedSettings();
    }

    int32_t TopLine() const { return session.View().TopLine(); }
    int32_t TopOffset() const { return session.View().TopOffset(); }
    const std::u16string& OpenPath() const { return session.View().Document().documentPath; }

    RegistryTestFolder registry;
    Settings settings;
    FixedMetricsDevice device;
    RecordingInhibitor inhibitor;
    FakeShell shell;
    ReaderSession session{settings, shell, device, inhibitor};
};

}  // namespace sorna::test
