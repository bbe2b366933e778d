#pragma once

namespace bs {

class Screens;

void registerAuthoringScreens(Screens& screens);

} // namespace bs
