#pragma once

namespace bs {

class Program;

void openClassResults(Program& program);

} // namespace bs
