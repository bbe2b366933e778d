#pragma once

#include <QString>

namespace bs {

class RandomSource;

// The celebration cue for a score ("wav\fanf2.wav", ...), or an empty text for a score that
// earns none. Draws one random number only for the scores that choose among several cues.
// Depends on the score alone: 6 of 6 and 6 of 10 celebrate alike.
QString celebrationSound(int score, RandomSource& random);

} // namespace bs
