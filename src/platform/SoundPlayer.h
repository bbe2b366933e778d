#pragma once

#include <QString>
#include <QStringList>

namespace bs {

// Plays a WAV file named by a content path. Returns at once and never shows a message:
// a missing file or a machine without sound is silence.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& contentPath) = 0;
    // Opens these cues in advance, so that their first use is not delayed.
    virtual void preload(const QStringList& /*contentPaths*/) {}
};

} // namespace bs
