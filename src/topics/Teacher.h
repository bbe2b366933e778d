#pragma once

// The notes viewer; the class serves the guide as well.
#include "topics/NotesViewer.h"

namespace bs {
using Teacher = NotesViewer;
}
