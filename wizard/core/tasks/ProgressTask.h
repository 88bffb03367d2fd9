// The router tasks a progress dialog can run, and the text it shows for each.
#pragma once

#include <QString>

enum ProgressTask {
    TaskLinkCheck = 1,
    TaskAutoDetect = 2,
    TaskAccountCheck = 3,
    TaskSave = 4,
    TaskReboot = 5,
};

// The language key of the task's progress text; empty for an unknown code.
QString ProgressTextKey(int task);
