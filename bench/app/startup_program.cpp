// The program itself, ending once the title screen has painted and saying its peak memory.
#include "PeakMemory.h"
#include "app/Startup.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    return bs::runBrellinshore(argc, argv, [](QWidget&) {
        std::printf("PAINTED %ld\n", peakMemoryKb());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
