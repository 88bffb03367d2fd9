// The worker's own time per router task beyond its waits: the library's
// router-access object talks to the emulated router on loopback, and every
// wait is only recorded.
#include "CCorvanelibObject.h"
#include "FakeHostAdapters.h"
#include "Median.h"
#include "ProgramFolder.h"
#include "ProgressTask.h"
#include "RouterEmulator.h"
#include "RouterTaskRunner.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

namespace {

class RecordingSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override { waited += duration; }
    std::chrono::milliseconds waited{0};
};

// Settings that send the library to the emulator's port.
bool WriteSettings(const QTemporaryDir& folder, std::uint16_t port)
{
    QFile file(folder.filePath(QStringLiteral("setting.ini")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("[Setting]\r\nPort=%1\r\n").arg(port).toLatin1());
    return true;
}

WizardData PppoeRun(CDLLObject* router)
{
    WizardData data;
    data.router = router;
    data.routerInfo = RouterInfo{"127.0.0.1", "admin", "qzmvx", 3};
    data.pppoeInfo = PppoeInfo{"isp-user", "isp-pass", ""};
    data.chosenWanMac = "02:11:22:33:44:55";
    return data;
}

void ReportTask(int task, WizardData& data)
{
    constexpr int kRuns = 9;
    std::vector<double> milliseconds;
    RecordingSleeper sleeper;
    std::optional<int> result;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        result = RunProgressTask(task, data, sleeper, [] {
            auto adapters = std::make_unique<FakeHostAdapters>();
            adapters->gateway = QStringLiteral("127.0.0.1");
            return adapters;
        });
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("task %d %-28s result %3s  own time median %7.2f ms  waits recorded %6.2f s a run (target < 50 ms)\n",
                task, qPrintable(ProgressTextKey(task)), result ? std::to_string(*result).c_str() : "-",
                Median(milliseconds), static_cast<double>(sleeper.waited.count()) / 1000.0 / kRuns);
}

} // namespace

int main()
{
    RouterEmulator emulator;
    const std::uint16_t port = emulator.Start();
    QTemporaryDir folder;
    if (!folder.isValid() || !WriteSettings(folder, port)) {
        std::puts("cannot write the settings folder");
        return 1;
    }
    SetProgramFolder(folder.path() + u'/');
    // The object's own 2000 ms pause while saving the wireless settings is a
    // specified wait too: leave it out, as the worker's are.
    CCorvanelibObject router(HttpTimeouts{}, [](std::chrono::milliseconds) {});
    WizardData data = PppoeRun(&router);
    for (int task = TaskLinkCheck; task <= TaskReboot; ++task)
        ReportTask(task, data);
    emulator.Stop();
    std::puts("(waits: the worker's recorded, the library's wireless pause left out)");
    return 0;
}
