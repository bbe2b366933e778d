#pragma once

#include <functional>

class QWidget;

namespace bs {

// Runs the program: the application object, the Program on the real services, the title
// screen and, once it has painted, the fonts. firstPaint, when given, is called once the title
// screen has painted (the start-up benchmark uses it).
int runBrellinshore(int argc, char* argv[], const std::function<void(QWidget&)>& firstPaint = {});

} // namespace bs
