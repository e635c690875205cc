// The listeners of finished output.
#include "outputevents.h"

namespace os {
namespace {

struct Listeners {
    OutputEvents::FileWritten fileWritten;
    OutputEvents::TextViewed textViewed;
    OutputEvents::ReportDone reportRun;
};

Listeners& listeners() {
    static Listeners current;
    return current;
}

} // namespace

void OutputEvents::setFileWritten(FileWritten listener) {
    listeners().fileWritten = std::move(listener);
}
void OutputEvents::setTextViewed(TextViewed listener) {
    listeners().textViewed = std::move(listener);
}
void OutputEvents::setReportRun(ReportDone listener) {
    listeners().reportRun = std::move(listener);
}

void OutputEvents::fileWritten(const QString& path, qint64 bytes) {
    if (listeners().fileWritten) listeners().fileWritten(path, bytes);
}

void OutputEvents::textViewed(const QString& path) {
    if (listeners().textViewed) listeners().textViewed(path);
}

void OutputEvents::reportRun(const ReportRun& run) {
    if (listeners().reportRun) listeners().reportRun(run);
}

} // namespace os
