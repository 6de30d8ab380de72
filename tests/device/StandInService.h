#pragma once

#include <QProcess>
#include <QStringList>

namespace sorna {

// The desktop services of ScreenSaverStandIn.py, running on the test's private session bus for as
// long as this object lives.
class StandInService {
public:
    enum class Serves { ScreenSaver, Portal, Both };

    explicit StandInService(Serves serves);
    // Stops the service and waits until its names have left the bus.
    ~StandInService();
    StandInService(const StandInService&) = delete;
    StandInService& operator=(const StandInService&) = delete;

    // True once every name of the service is on the bus.
    bool IsReady() const;

    // The calls the service has seen, in order; see the script for the lines it writes.
    QStringList Calls() const;
    // Calls(), waiting up to a few seconds until at least count lines are there.
    QStringList WaitForCalls(qsizetype count) const;

private:
    QProcess process;
};

}  // namespace sorna
