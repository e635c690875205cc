// The listeners of finished output.
#include "finishedoutput.h"

namespace os {
namespace {

struct Listeners {
    FinishedOutput::FileWritten fileWritten;
    FinishedOutput::TextViewed textViewed;
    FinishedOutput::ReportDone reportRun;
};

Listeners& listeners() {
    static Listeners current;
    return current;
}

} // namespace

void FinishedOutput::setFileWritten(FileWritten listener) {
    listeners().fileWritten = std::move(listener);
}
void FinishedOutput::setTextViewed(TextViewed listener) {
    listeners().textViewed = std::move(listener);
}
void FinishedOutput::setReportRun(ReportDone listener) {
    listeners().reportRun = std::move(listener);
}

void FinishedOutput::fileWritten(const QString& path, qint64 bytes) {
    if (listeners().fileWritten) listeners().fileWritten(path, bytes);
}

void FinishedOutput::textViewed(const QString& path) {
    if (listeners().textViewed) listeners().textViewed(path);
}

void FinishedOutput::reportRun(const ReportRun& run) {
    if (listeners().reportRun) listeners().reportRun(run);
}

} // namespace os
