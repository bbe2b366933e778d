#pragma once

namespace bs {

class Screens;

void registerClassResultsScreens(Screens& screens);

} // namespace bs
