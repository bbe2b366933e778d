#pragma once

#include <QString>

namespace bs {

class Program;

// Opens a drag-and-drop activity ("scilly1lab", "scilly2ord", ...): sets its heading (the
// first touch loads it) and shows it. When results are kept the pupil is named first; if they
// cancel, nothing opens.
void openActivity(Program& program, const QString& formName, const QString& heading);

} // namespace bs
