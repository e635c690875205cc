// What the benchmarks measure of a run: the seconds a piece of work takes, the median of several runs, and
// the peak memory the process held.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

inline double secondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts a new peak of the process's resident memory (Linux: "5" written to /proc/self/clear_refs).
inline void resetPeakMemory() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly)) refs.write("5");
}

// The peak resident memory since the last reset, in megabytes (VmHWM of /proc/self/status); 0 when unknown.
inline double peakMemoryMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

} // namespace bench
