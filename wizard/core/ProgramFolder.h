// Where the program's files live and how names written with Windows
// separators ("%sSkin\progress%d.png") are found on this file system.
#pragma once

#include <QString>

// The running program's folder with a final '/'; taken once and kept.
QString GetProgramFolder();

// Tests and the demo point the program at another folder before first use.
void SetProgramFolder(const QString& folder);

// Turns '\' into '/', collapses doubled separators and finds every component
// ignoring letter case. A name that does not exist comes back normalised.
QString ResolveProgramPath(const QString& name);
