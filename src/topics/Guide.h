#pragma once

// The guide is the notes viewer under the form name "guide".
#include "topics/NotesViewer.h"

namespace bs {
using Guide = NotesViewer;
}
