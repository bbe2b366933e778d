#pragma once

namespace bs {

class Screens;

// Registers every screen of the program by its form name.
void registerAllScreens(Screens& screens);

} // namespace bs
