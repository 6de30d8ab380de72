#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/HandOverRecord.h"
#include "platform/LocalSocket.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/SingleInstance.h"
#include "resources/AppStrings.h"

namespace sorna {
namespace {

constexpr int kTimeoutMs = 20000;

LocalSocket::Deadline Soon() {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
}

std::span<const uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
}

// Malformed streams are refused below with a real client.
TEST(HandOverRecord, RequestsArriveWholeHoweverTheStreamIsSplit) {
    const std::u16string line = u"-p /books/소설 12.txt";
    std::vector<uint8_t> stream = EncodeBringToFront();
    for (const std::u16string_view text : {std::u16string_view(line), std::u16string_view()}) {
        const std::vector<uint8_t> record = EncodeCommandLine(text);
        stream.insert(stream.end(), record.begin(), record.end());
    }

    HandOverReader reader;
    HandOverRequest request;
    std::vector<HandOverRequest> requests;
    for (const uint8_t byte : stream) {
        reader.Append(&byte, 1);
        while (reader.Next(request) == HandOverReader::Status::kRequest) {
            requests.push_back(request);
        }
    }
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].kind, HandOverKind::kBringToFront);
    ASSERT_EQ(requests[1].data.size(), 40u);  // 19 code units and the NUL
    EXPECT_EQ(std::memcmp(requests[1].data.data(), line.c_str(), 40), 0);
    EXPECT_EQ(requests[2].data, (std::vector<uint8_t>{0, 0}));  // the NUL travels with each line
}

// Starts `count` readers at the same instant, with the arguments given, while this process keeps
// answering as a running reader would; returns how many serve and how many handed over and ended
// with 0, once each has done one or the other. Each start is killed as its process object goes.
std::pair<int, int> StartAtOnce(int count, const QProcessEnvironment& environment,
                                const QStringList& arguments = {}) {
    std::vector<std::unique_ptr<QProcess>> starts(static_cast<size_t>(count));
    for (auto& start : starts) {
        start = std::make_unique<QProcess>();
        start->setProcessEnvironment(environment);
        start->start(QStringLiteral(SORNA_SECOND_START), arguments);
    }
    std::pair<int, int> outcome;
    // The outcome shows how far the starts got.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            outcome = {};
            for (const auto& start : starts) {
                const bool ended = start->state() == QProcess::NotRunning;
                outcome.first += !ended && start->peek(7) == "serving";
                outcome.second +=
                    ended && start->exitStatus() == QProcess::NormalExit && start->exitCode() == 0;
            }
            return outcome.first + outcome.second == count;
        },
        kTimeoutMs));
    return outcome;
}

// Each test has a runtime folder of its own, as a user session would.
class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    QTemporaryDir runtime;
};

// Counts the times the window is raised.
struct RaiseCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        raises += event->type() == QEvent::ZOrderChange;
        return false;
    }
    int raises = 0;
};

// The sanitizers' runtime needs descriptors of its own (it tests memory through a pipe) and
// misreports without them, so its builds leave the moment without descriptors out.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kDescriptorsMayRunOut = false;
#else
constexpr bool kDescriptorsMayRunOut = true;
#endif

// Takes every descriptor this process may open but one, until it goes.
struct AllDescriptorsButOne {
    AllDescriptorsButOne() {
        ::getrlimit(RLIMIT_NOFILE, &limit);
        const rlimit few{std::min<rlim_t>(limit.rlim_cur, 512), limit.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &few);
        for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0;) {
            held.push_back(fd);
        }
        ::close(held.back());
        held.pop_back();
    }
    ~AllDescriptorsButOne() {
        std::ranges::for_each(held, ::close);
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
    rlimit limit{};
    std::vector<int> held;
};

// This process is the running reader, with a minimised window.
TEST_F(SingleInstanceTest, LaterStartsAreServedAfterBogusClientsAndAMomentWithoutDescriptors) {
    SingleInstance first(ToQString(kInstanceName));
    ASSERT_EQ(first.HandOverToRunning(u""), StartRole::kReader) << "no reader runs yet";
    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(first.Serve(window));
    std::vector<HandOverRequest> received;
    QObject::connect(&first, &SingleInstance::CommandLineReceived,
                     [&received](const HandOverRequest& request) { received.push_back(request); });
    RaiseCounter counter;
    window.installEventFilter(&counter);
    // A count over the limit, a flood of more than a connection may send, half a record; sent
    // from threads of their own while this one serves.
    const QByteArray front("\x01\x00\x00\x00", 4);
    const std::string socketPath = runtime.filePath(QStringLiteral("Sorna.socket")).toStdString();
    std::vector<LocalSocket> bogus;
    bogus.reserve(3);  // the senders hold on to their sockets
    std::vector<std::jthread> senders;
    for (const QByteArray& bytes :
         {QByteArray("\x02\x00\x00\x00\x40\xE2\x01\x00\xFF\xFF\xFF\xFF", 12),
          front.repeated((kMaxHandOverBytes / 4) + 1), front.left(2)}) {
        bogus.push_back(LocalSocket::Connect(socketPath, Soon()));
        ASSERT_TRUE(bogus.back().IsOpen());
        senders.emplace_back([&client = bogus.back(), bytes] {
            static_cast<void>(client.SendAll(BytesOf(bytes), Soon()));
        });
    }
    std::vector<std::u16string> expected = {u"-p 소설 a.txt"};
    if (kDescriptorsMayRunOut) {
        // A connection that comes while the reader has no descriptor to take it is served later.
        LocalSocket waiting;
        {
            const AllDescriptorsButOne exhausted;
            waiting = LocalSocket::Connect(socketPath, Soon());
            ASSERT_TRUE(waiting.IsOpen());
            QCoreApplication::processEvents();
        }
        ASSERT_TRUE(waiting.SendAll(EncodeCommandLine(u"늦게 온.txt"), Soon()));
        expected.insert(expected.begin(), u"늦게 온.txt");
    }
    EXPECT_EQ(StartAtOnce(1, QProcessEnvironment::systemEnvironment(), {"-p", "소설 a.txt"}),
              std::pair(0, 1));
    EXPECT_TRUE(QTest::qWaitFor(
        [&bogus] {
            return std::ranges::all_of(bogus, [](const LocalSocket& client) {
                std::vector<uint8_t> ignored;
                return client.ReceiveAvailable(ignored) == LocalSocket::Arrival::kEnded;
            });
        },
        kTimeoutMs));
    EXPECT_LT(counter.raises, 1000) << "at most once a turn of the loop";
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() >= expected.size(); }, kTimeoutMs));
    std::vector<std::u16string> lines;
    for (const HandOverRequest& request : received) {
        lines.push_back(CommandLineOf(request));
    }
    std::ranges::sort(lines);
    std::ranges::sort(expected);
    EXPECT_EQ(lines, expected);
}

// The holder of the lock cannot be found: a later start goes on, leaving the channel to it.
TEST_F(SingleInstanceTest, AStartNobodyAnswersGoesOnWithoutTheChannel) {
    SingleInstance holder(ToQString(kInstanceName));
    SingleInstance later(ToQString(kInstanceName));
    ASSERT_EQ(holder.HandOverToRunning(u""), StartRole::kReader);
    EXPECT_EQ(later.HandOverToRunning(u"a.txt", std::chrono::milliseconds(100)),
              StartRole::kUnanswered);
    QWidget window;
    EXPECT_FALSE(later.Serve(window));
}

TEST_F(SingleInstanceTest, OfStartsAtTheSameInstantOneServesAndTheOthersHandOver) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    EXPECT_EQ(StartAtOnce(4, environment), std::pair(1, 3));
    // The reader was killed and left its lock file and socket behind.
    EXPECT_EQ(StartAtOnce(4, environment), std::pair(1, 3));
    // A folder where the socket goes, and a runtime folder that is no folder.
    ASSERT_TRUE(QFile::remove(runtime.filePath(QStringLiteral("Sorna.socket"))));
    ASSERT_TRUE(QDir(runtime.path()).mkpath(QStringLiteral("Sorna.socket/left")));
    EXPECT_EQ(StartAtOnce(4, environment), std::pair(1, 3));
    for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        environment.insert(QString::fromLatin1(variable), QCoreApplication::applicationFilePath());
    }
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), runtime.filePath(QStringLiteral("cache")));
    EXPECT_EQ(StartAtOnce(4, environment), std::pair(1, 3));
}

}  // namespace
}  // namespace sorna
