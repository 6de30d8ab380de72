#include <QProcess>
#include <QTemporaryDir>

#include "platform/qt/QtText.h"
#include "platform/qt/SingleInstance.h"
#include "resources/AppStrings.h"
#include "resources/Format.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/Corpus.h"

namespace sorna::test {
namespace {

// This process is the running reader; the later start is the real program.
class HandOver : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    int StartAgain(const QStringList& arguments) {
        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Its settings come from a folder of their own, which it only reads.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QString::fromStdU16String(registry.Path().u16string()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(SORNA_PROGRAM), arguments);
        if (!QTest::qWaitFor([&second] { return second.state() == QProcess::NotRunning; }, 20000)) {
            second.kill();
            second.waitForFinished();
            return -1;
        }
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
    }

    QTemporaryDir runtime;
};

TEST_F(HandOver, ALaterStartHandsItsCommandLineOverAndTheDocumentStaysAsItWas) {
    const std::u16string novel = Widen(corpus::File("ko-cp949-novel-02.txt").string());
    settings.recentFiles.RememberFile(novel, 5000);
    auto window = ShowWindow();
    const int32_t position = window->Session().View().TopOffset();
    ASSERT_GT(position, 0);
    SingleInstance running(ToQString(kInstanceName));
    ASSERT_FALSE(running.HandOverToRunning(u""));
    ASSERT_TRUE(running.Serve(*window));
    std::vector<HandOverRequest> received;
    QObject::connect(&running, &SingleInstance::CommandLineReceived,
                     [&received](const HandOverRequest& request) { received.push_back(request); });

    window->showMinimized();
    EXPECT_EQ(StartAgain({QStringLiteral("-p"), QStringLiteral("/books/소설 12.txt")}), 0);
    // The later start may end before this process has read its request on a busy machine.
    ASSERT_TRUE(QTest::qWaitFor([&received] { return !received.empty(); }, kPatienceMs));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].tag, 123456u);
    EXPECT_EQ(received[0].byteCount, 40u);  // 19 code units and the NUL
    EXPECT_TRUE(QTest::qWaitFor(
        [&window] { return !window->windowState().testFlag(Qt::WindowMinimized); }, kPatienceMs));

    // Without a command line it only comes to the front.
    window->showMinimized();
    EXPECT_EQ(StartAgain({}), 0);
    EXPECT_EQ(received.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor(
        [&window] { return !window->windowState().testFlag(Qt::WindowMinimized); }, kPatienceMs));
    EXPECT_EQ(window->Session().View().Document().documentPath, novel);
    EXPECT_EQ(window->Session().View().TopOffset(), position);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ko-cp949-novel-02.txt - Sorna 1.71"));
}

}  // namespace
}  // namespace sorna::test
