#pragma once

namespace bs {

class Screens;

void registerOwnTopicsScreens(Screens& screens);

} // namespace bs
