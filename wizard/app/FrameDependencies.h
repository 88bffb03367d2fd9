// What the wizard frame works with, handed in so a test can run a whole
// wizard against its own router object, waits and host adapters.
#pragma once

#include "RouterTaskRunner.h"
#include "Sleeper.h"
#include "WizardData.h"
#include "WizardExit.h"

#include <QUrl>

#include <functional>

class CDLLObject;

// Hands a web address or a file to the desktop; false when nothing opened it.
using DesktopOpener = std::function<bool(const QUrl&)>;

struct FrameDependencies {
    WizardData& data;
    CDLLObject* router = nullptr;
    // The real pause of the worker; the frame scales it by "Wait Scale Percent".
    Sleeper& sleeper;
    HostAdaptersFactory adapters = CreateHostAdapters;
    DesktopOpener openUrl;
    // Ends the process at once with the exit code, when Exit or Finish
    // must not wait for a router exchange that is still running.
    std::function<void(int)> endProcess = EndProcessNow;
};
