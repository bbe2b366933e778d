#pragma once

#include "platform/Content.h"
#include "platform/SoundPlayer.h"

#include <QHash>

class QSoundEffect;

namespace bs {

// QSoundEffect for each cue, kept once opened so that a click sounds at once. Nothing waits
// for a sound to end: without an audio device QSoundEffect never reports it.
class QtSoundPlayer : public SoundPlayer
{
public:
    explicit QtSoundPlayer(const QString& contentRoot);
    ~QtSoundPlayer() override;

    void play(const QString& contentPath) override;
    void preload(const QStringList& contentPaths) override;

private:
    QSoundEffect* effectFor(const QString& contentPath);

    Content m_content;
    QHash<QString, QSoundEffect*> m_effects; // by resolved path; null for a missing file
};

} // namespace bs
