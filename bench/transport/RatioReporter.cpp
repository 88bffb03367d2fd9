#include "RatioReporter.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
            nanoseconds_[run.run_name.function_name] =
                run.real_accumulated_time * 1e9 / static_cast<double>(run.iterations);
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::NanosecondsOf(const std::string& name) const
{
    const auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? 0.0 : found->second;
}
