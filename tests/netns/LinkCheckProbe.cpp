// The link check task as Setup runs it, through the router-access library
// and whatever network service this process reaches, without a setting.ini:
// the host step is on and "LAN IP" keeps its factory value. Prints the
// task's result, the router address it used and the language key of the
// cause the connect-failed window would show.
#include "CCorvanelibObject.h"
#include "LinkCheckDiagnosis.h"
#include "LinuxHostAdapters.h"
#include "ProgramFolder.h"
#include "ProgressTask.h"
#include "RouterTaskRunner.h"
#include "RunCommandCapture.h"
#include "ThreadSleeper.h"

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " SYSFS_NET_ROOT EMPTY_PROGRAM_FOLDER\n";
        return 2;
    }
    SetProgramFolder(QString::fromLocal8Bit(argv[2]));
    const QString sysfsRoot = QString::fromLocal8Bit(argv[1]);
    CCorvanelibObject router;
    WizardData data;
    data.router = &router;
    ThreadSleeper sleeper;
    const std::optional<int> result = RunProgressTask(TaskLinkCheck, data, sleeper, [&sysfsRoot] {
        return std::make_unique<LinuxHostAdapters>(
            [](const std::vector<std::string>& command) { return RunCommandCapture(command); }, sysfsRoot);
    });
    std::cout << "result=" << result.value_or(0) << "\naddress=" << data.routerInfo.address
              << "\ncause=" << LinkCheckCauseKey(data.linkCheckCause).toStdString() << std::endl;
    return 0;
}
