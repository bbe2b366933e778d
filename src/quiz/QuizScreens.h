#pragma once

namespace bs {

class Screens;

void registerQuizScreens(Screens& screens);

} // namespace bs
