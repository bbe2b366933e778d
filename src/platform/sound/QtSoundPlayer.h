#pragma once

#include "platform/SoundPlayer.h"

#include <QHash>
#include <QSet>

class QSoundEffect;

namespace bs {

// QSoundEffect for each cue (by absolute file path), kept once opened so that a click sounds
// at once. Nothing waits for a sound to end: without an audio device QSoundEffect never
// reports it.
class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer() = default;
    ~QtSoundPlayer() override;

    void play(const QString& filePath) override;
    void preload(const QStringList& filePaths) override;

private:
    QSoundEffect* effectFor(const QString& filePath);

    QHash<QString, QSoundEffect*> m_effects; // null for a missing file
    QSet<QSoundEffect*> m_playWhenReady;     // asked for while still loading
};

} // namespace bs
