#pragma once

#include "platform/Content.h"
#include "platform/SoundPlayer.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace bs {

// Stands for the real player until the first cue or preload(): only then does it load the
// sound library (and Qt Multimedia with it). Without the library the program is silent.
// Content paths are resolved here; the library's player plays files by absolute path.
class LazySoundPlayer : public SoundPlayer
{
public:
    LazySoundPlayer(QString contentRoot, QStringList libraryCandidates);
    ~LazySoundPlayer() override;

    void play(const QString& contentPath) override;
    // Loads the library and opens the given cues, so that the first click sounds at once.
    void preload(const QStringList& cues) override;
    // True once the sound library is loaded and its player made.
    bool isLoaded() const { return m_real != nullptr; }

private:
    SoundPlayer* real();

    Content m_content;
    QStringList m_libraryCandidates;
    std::unique_ptr<SoundPlayer> m_real;
    bool m_tried = false;
};

// The program's real player: the sound library beside the program, or where the build put it.
std::unique_ptr<SoundPlayer> makeRealSoundPlayer(const QString& contentRoot);

} // namespace bs
