#pragma once

namespace bs {

class Screen;

// The common layout every screen's load event applies first: the usual colours, the
// caption "Brellinshore", 12000 x 9000 twips, centred on the display (overhanging equally
// on a smaller one).
void layoutform(Screen& form);

} // namespace bs
