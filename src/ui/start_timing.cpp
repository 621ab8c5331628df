#include "ui/start_timing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace marlowe {
namespace {

// Milliseconds since this process started, from the kernel's start time of the process and the
// system's uptime (both counted from boot).
long long MillisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The command name may hold spaces; the fields after it start behind the closing bracket.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int index = 3; index <= 22; ++index) // the start time is field 22
        fields >> field;
    const double startTicks = std::stod(field);
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return static_cast<long long>(uptime * 1000.0 - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK)));
}

long long ResidentKibibytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoll(line.substr(6));
    return 0;
}

class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // Measured once the paint has been handled, so the frame is really drawn.
            QTimer::singleShot(0, [] {
                std::printf("first paint: %lld ms, resident: %lld KiB\n", MillisecondsSinceProcessStart(),
                            ResidentKibibytes());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

}  // namespace

void ReportFirstPaintAndQuit(QWidget& window)
{
    auto* watcher = new FirstPaintWatcher(&window);
    window.installEventFilter(watcher);
}

}  // namespace marlowe
