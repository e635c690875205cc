// The report engine as the module's windows use it: over the session's database, with amounts in words.
#pragma once

#include "platform/report/reportengine.h"

#include <memory>

namespace output {

// An engine whose data sources stand for the session's database when not configured, and whose
// layouts may spell an amount as {{FIELD|words}}.
std::unique_ptr<report::ReportEngine> shopReportEngine(const ado::ConnectionPtr& sessionDatabase);

// The shop's previews: maximised, with printing, PDF export, zoom and page moves.
report::WindowOptions shopPreviewOptions();

} // namespace output
