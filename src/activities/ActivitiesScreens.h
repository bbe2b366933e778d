#pragma once

namespace bs {

class Screens;

void registerActivitiesScreens(Screens& screens);

} // namespace bs
