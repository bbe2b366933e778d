#pragma once

namespace bs {

class Screens;

void registerTopicsScreens(Screens& screens);

} // namespace bs
