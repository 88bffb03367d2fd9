// A second wizard copy for the guard test: takes the guard of argv[2] in
// folder argv[1]. Busy: prints "second" and ends with 0 like the wizard.
// Acquired: prints "first" and holds the lock until its input closes.
// With the one argument "folder" it prints its program folder instead.
#include "ProgramFolder.h"
#include "SingleInstanceGuard.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "folder") {
        std::cout << GetProgramFolder().toStdString() << std::endl;
        return 0;
    }
    if (argc != 3)
        return 2;
    SingleInstanceGuard guard(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[1]));
    if (!guard.TryAcquire()) {
        std::cout << "second" << std::endl;
        return 0;
    }
    std::cout << "first" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 3;
}
