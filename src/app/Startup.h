#pragma once

#include <functional>

class QWidget;

namespace bs {

// Runs the program: the application object, the fonts, the Program on the real services and
// the title screen. firstPaint, when given, is called once the title screen has painted
// (the start-up benchmark uses it).
int runBrellinshore(int argc, char* argv[], const std::function<void(QWidget&)>& firstPaint = {});

} // namespace bs
