#include "app/Startup.h"

int main(int argc, char* argv[])
{
    return bs::runBrellinshore(argc, argv);
}
