#pragma once

#include "platform/Dialogs.h"
#include "platform/Display.h"
#include "platform/Printer.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"

#include <functional>
#include <memory>

namespace bs {

// The outside world as the program sees it. Tests and benchmarks pass fakes.
struct Services
{
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Printer> printer;
    std::unique_ptr<Display> display;
    std::function<void()> endProgram; // ends the process at once
};

} // namespace bs
