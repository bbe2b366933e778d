#pragma once

namespace bs {

class Screens;

void registerAppScreens(Screens& screens);

} // namespace bs
