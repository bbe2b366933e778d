#include "platform/LazySoundPlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace bs {

using CreatePlayer = SoundPlayer* (*)();

LazySoundPlayer::LazySoundPlayer(QString contentRoot, QStringList libraryCandidates)
    : m_content(std::move(contentRoot))
    , m_libraryCandidates(std::move(libraryCandidates))
{
}

LazySoundPlayer::~LazySoundPlayer() = default;

SoundPlayer* LazySoundPlayer::real()
{
    if (m_tried)
        return m_real.get();
    m_tried = true;
    for (const QString& candidate : std::as_const(m_libraryCandidates)) {
        if (!QFileInfo::exists(candidate))
            continue;
        // Never unloaded: the player and Qt Multimedia stay for the rest of the run.
        // Every symbol resolved at load, so a broken library fails here rather than mid-click.
        QLibrary library(candidate);
        library.setLoadHints(QLibrary::PreventUnloadHint | QLibrary::ResolveAllSymbolsHint);
        if (auto create = reinterpret_cast<CreatePlayer>(library.resolve("bs_create_sound_player"))) {
            m_real.reset(create());
            break;
        }
    }
    return m_real.get();
}

void LazySoundPlayer::play(const QString& contentPath)
{
    if (SoundPlayer* player = real())
        player->play(m_content.resolve(contentPath));
}

void LazySoundPlayer::preload(const QStringList& cues)
{
    SoundPlayer* player = real();
    if (!player)
        return;
    QStringList files;
    for (const QString& cue : cues)
        files.append(m_content.resolve(cue));
    player->preload(files);
}

std::unique_ptr<SoundPlayer> makeRealSoundPlayer(const QString& contentRoot)
{
    return std::make_unique<LazySoundPlayer>(
        contentRoot, QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/libbs_sound.so"),
                                 QStringLiteral(BS_SOUND_LIBRARY_BUILT)});
}

} // namespace bs
