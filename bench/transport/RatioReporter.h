// Prints the benchmarks as usual and keeps their real times, so that the
// run can end with the ratio of two of them.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Real time per iteration in nanoseconds; 0 when the benchmark did not run.
    double NanosecondsOf(const std::string& name) const;

private:
    std::map<std::string, double> nanoseconds_;
};
