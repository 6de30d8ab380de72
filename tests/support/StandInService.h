#pragma once

#include <QProcess>
#include <QStringList>
#include <ostream>

// The lines of the record read as text in a test's failure message.
inline void PrintTo(const QString& line, std::ostream* out) {
    *out << '"' << line.toStdString() << '"';
}

namespace sorna {

// The desktop services of ScreenSaverStandIn.py, running on the test's private session bus for as
// long as this object lives.
class StandInService {
public:
    enum class Serves { ScreenSaver, Portal, Both };

    explicit StandInService(Serves serves);
    // Stops the service and waits until its names have left the bus.
    ~StandInService();

    // True once every name of the service is on the bus.
    bool IsReady() const;

    // The calls the service has seen, in order; see the script for the lines it writes. A call
    // answered (or sent before one answered) on the same connection is there.
    QStringList Calls() const;

    // The reason the reader gives for keeping the desktop awake.
    static QString InhibitReason();
    // The line of the reader's screen-saver Inhibit answered with this cookie. Cookies count up
    // from 4101.
    static QString InhibitLine(int cookie);

private:
    QProcess process;
};

}  // namespace sorna
