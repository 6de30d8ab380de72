#include <gtest/gtest.h>

#include <QEventLoop>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "app/QtText.h"
#include "platform/SingleInstance.h"
#include "resources/AppStrings.h"

namespace sorna {
namespace {

constexpr int kProcessTimeoutMs = 20000;

// Each test gets a runtime folder of its own, as a user session would.
class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", savedRuntime); }

    // Runs a second start to its end while this process keeps answering.
    static int RunSecondStart(const QStringList& arguments) {
        QProcess second;
        QEventLoop loop;
        QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kProcessTimeoutMs, &loop, &QEventLoop::quit);
        second.start(QStringLiteral(SORNA_SECOND_START), arguments);
        loop.exec();
        if (second.state() != QProcess::NotRunning) {
            second.kill();
            second.waitForFinished();
            return -1;
        }
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
    }

    static bool WaitUntilServing(QProcess& reader) {
        reader.start(QStringLiteral(SORNA_SECOND_START), {});
        return reader.waitForReadyRead(kProcessTimeoutMs) && reader.readAll().startsWith("serving");
    }

    static bool Disconnected(QLocalSocket& socket) {
        return socket.state() == QLocalSocket::UnconnectedState ||
               socket.waitForDisconnected(kProcessTimeoutMs);
    }

    QTemporaryDir runtime;
    QByteArray savedRuntime;
};

// This process is the running reader; the second start is a real process.
class RunningReaderTest : public SingleInstanceTest {
protected:
    void SetUp() override {
        SingleInstanceTest::SetUp();
        first = std::make_unique<SingleInstance>(ToQString(kInstanceName));
        ASSERT_FALSE(first->HandOverToRunning(u"")) << "no reader runs yet";
        window.showMinimized();
        ASSERT_TRUE(first->Serve(window));
        QObject::connect(first.get(), &SingleInstance::CommandLineReceived,
                         [this](const HandOverRequest& request) { received.push_back(request); });
    }

    std::unique_ptr<SingleInstance> first;
    QWidget window;
    std::vector<HandOverRequest> received;
};

TEST_F(RunningReaderTest, SecondStartHandsOverItsCommandLineAndExitsWithZero) {
    EXPECT_EQ(RunSecondStart({QStringLiteral("-p"), QStringLiteral("/books/소설 12.txt")}), 0);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].tag, 123456u);
    EXPECT_EQ(received[0].byteCount, 40u);  // 19 code units and the NUL
    const std::u16string expected = u"-p /books/소설 12.txt";
    ASSERT_EQ(received[0].data.size(), 40u);
    EXPECT_EQ(0, std::memcmp(received[0].data.data(), expected.c_str(), 40));
    EXPECT_FALSE(window.windowState().testFlag(Qt::WindowMinimized));
}

TEST_F(RunningReaderTest, EmptyCommandLineOnlyBringsTheReaderToTheFront) {
    EXPECT_EQ(RunSecondStart({}), 0);
    EXPECT_TRUE(received.empty());
    EXPECT_FALSE(window.windowState().testFlag(Qt::WindowMinimized));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(RunningReaderTest, BadClientsAreCutOffAndLaterStartsStillServed) {
    QLocalSocket unknownKind;
    unknownKind.connectToServer(runtime.filePath(QStringLiteral("Sorna.socket")));
    ASSERT_TRUE(unknownKind.waitForConnected(kProcessTimeoutMs));
    unknownKind.write(QByteArray("\x07\x00\x00\x00", 4));
    unknownKind.flush();

    QLocalSocket hugeCount;
    hugeCount.connectToServer(runtime.filePath(QStringLiteral("Sorna.socket")));
    ASSERT_TRUE(hugeCount.waitForConnected(kProcessTimeoutMs));
    hugeCount.write(QByteArray("\x02\x00\x00\x00\x40\xE2\x01\x00\xFF\xFF\xFF\xFF", 12));
    hugeCount.flush();

    // The running reader handles them in its loop, which the second start's run keeps going.
    EXPECT_EQ(RunSecondStart({QStringLiteral("a.txt")}), 0);
    EXPECT_TRUE(Disconnected(unknownKind));
    EXPECT_TRUE(Disconnected(hugeCount));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].byteCount, 12u);
}

TEST_F(SingleInstanceTest, KilledReaderIsReplacedAtOnce) {
    QProcess reader;
    ASSERT_TRUE(WaitUntilServing(reader));
    {
        SingleInstance later(ToQString(kInstanceName));
        EXPECT_TRUE(later.HandOverToRunning(u"b.txt"));
    }
    reader.kill();
    ASSERT_TRUE(reader.waitForFinished(kProcessTimeoutMs));

    // Its lock and its socket are left behind; the next start takes both over.
    SingleInstance next(ToQString(kInstanceName));
    EXPECT_FALSE(next.HandOverToRunning(u"b.txt"));
    QWidget window;
    EXPECT_TRUE(next.Serve(window));
    EXPECT_EQ(RunSecondStart({}), 0);
}

}  // namespace
}  // namespace sorna
