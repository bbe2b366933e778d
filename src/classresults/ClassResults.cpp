#include "classresults/ClassResultsOpeners.h"

namespace bs {

void openClassResults(Program&) {}

} // namespace bs
