#pragma once

#include <QString>

namespace bs {

class Program;

// Opens a drag-and-drop activity ("scilly1lab", "scilly2ord", ...): sets its heading (the
// first touch loads it) and shows it.
void openActivity(Program& program, const QString& formName, const QString& heading);

} // namespace bs
