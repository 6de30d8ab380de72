#include <gtest/gtest.h>

#include <QEventLoop>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/qt/QtConversions.h"
#include "platform/qt/SingleInstance.h"
#include "resources/AppStrings.h"

namespace sorna {
namespace {

constexpr int kTimeoutMs = 20000;

// Runs a later start to its end while this process, as the running reader, keeps answering.
int RunSecondStart(const QStringList& arguments) {
    QProcess second;
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    second.start(QStringLiteral(SORNA_SECOND_START), arguments);
    loop.exec();
    if (second.state() != QProcess::NotRunning) {
        second.kill();
        second.waitForFinished();
        return -1;
    }
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
}

// Each test has a runtime folder of its own, as a user session would.
class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    // This process becomes the running reader, with a minimised window.
    void BecomeRunningReader() {
        first = std::make_unique<SingleInstance>(ToQString(kInstanceName));
        ASSERT_FALSE(first->HandOverToRunning(u"")) << "no reader runs yet";
        window.showMinimized();
        ASSERT_TRUE(first->Serve(window));
        QObject::connect(first.get(), &SingleInstance::CommandLineReceived,
                         [this](const HandOverRequest& request) { received.push_back(request); });
    }

    QTemporaryDir runtime;
    std::unique_ptr<SingleInstance> first;
    QWidget window;
    std::vector<HandOverRequest> received;
};

TEST_F(SingleInstanceTest, BogusClientIsCutOffAndLaterStartsAreStillServed) {
    BecomeRunningReader();
    QLocalSocket bogus;
    bogus.connectToServer(runtime.filePath(QStringLiteral("Sorna.socket")));
    ASSERT_TRUE(bogus.waitForConnected(kTimeoutMs));
    bogus.write(QByteArray("\x02\x00\x00\x00\x40\xE2\x01\x00\xFF\xFF\xFF\xFF", 12));
    bogus.flush();
    EXPECT_EQ(RunSecondStart({QStringLiteral("-p"), QStringLiteral("소설 a.txt")}), 0);
    EXPECT_TRUE(bogus.state() == QLocalSocket::UnconnectedState ||
                bogus.waitForDisconnected(kTimeoutMs));
    ASSERT_EQ(received.size(), 1u);
    const std::u16string line = u"-p 소설 a.txt";
    ASSERT_EQ(received[0].data.size(), (line.size() + 1) * 2);
    EXPECT_EQ(std::memcmp(received[0].data.data(), line.c_str(), received[0].data.size()), 0);
}

TEST_F(SingleInstanceTest, KilledReaderIsReplacedAtOnce) {
    QProcess reader;
    reader.start(QStringLiteral(SORNA_SECOND_START), {});
    ASSERT_TRUE(reader.waitForReadyRead(kTimeoutMs) && reader.readAll().startsWith("serving"));
    EXPECT_TRUE(SingleInstance(ToQString(kInstanceName)).HandOverToRunning(u"b.txt"));
    reader.kill();
    ASSERT_TRUE(reader.waitForFinished(kTimeoutMs));

    // Its lock file and socket are left behind; the next start takes both over.
    BecomeRunningReader();
    EXPECT_EQ(RunSecondStart({}), 0);
}

}  // namespace
}  // namespace sorna
