// The worker's own time per router task beyond its waits: the router
// answers at once and every wait is only counted, never slept.
#include "FakeHostAdapters.h"
#include "InstantRouter.h"
#include "ProgramFolder.h"
#include "ProgressTask.h"
#include "RouterTaskRunner.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class CountingSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override { waited += duration; }
    std::chrono::milliseconds waited{0};
};

void RouterTask(benchmark::State& state)
{
    // Settings and texts come from an empty folder: every read takes its
    // default, as on a machine without setting.ini.
    QTemporaryDir folder;
    SetProgramFolder(folder.path() + u'/');
    InstantRouter router;
    WizardData data;
    data.router = &router;
    data.routerInfo.wanType = 3;
    data.chosenWanMac = "00:11:22:33:44:56";
    CountingSleeper sleeper;
    const int task = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto result = RunProgressTask(task, data, sleeper, [] { return std::make_unique<FakeHostAdapters>(); });
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(ProgressTextKey(task).toStdString());
    state.counters["waits_s_per_run"] =
        static_cast<double>(sleeper.waited.count()) / 1000.0 / static_cast<double>(state.iterations());
}

BENCHMARK(RouterTask)->DenseRange(TaskLinkCheck, TaskReboot)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
