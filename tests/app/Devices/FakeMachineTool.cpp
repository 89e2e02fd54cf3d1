// ostrel-fake-machine: makes the device tests' fake machine, prints the
// environment that points a program at it (one NAME=VALUE a line, then an
// empty line) and keeps it until its standard input closes. For screenshots.
#include "DeviceFakeMachine.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const QString tool = DeviceFakeMachine::missingTool(); !tool.isEmpty()) {
        std::fprintf(stderr, "ostrel-fake-machine: %s is not installed\n", qPrintable(tool));
        return 2;
    }
    try {
        const DeviceFakeMachine machine;
        std::printf("VELMORA_SYSTEM_ROOT=%s\nVELMORA_DISK_IMAGES=%s\n\n", qPrintable(machine.root()),
                    qPrintable(machine.image()));
        std::fflush(stdout);
        for (std::string line; std::getline(std::cin, line);) {
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ostrel-fake-machine: %s\n", error.what());
        return 1;
    }
    return 0;
}
