#include "platform/sound/QtSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace bs {

QtSoundPlayer::~QtSoundPlayer()
{
    qDeleteAll(m_effects);
}

QSoundEffect* QtSoundPlayer::effectFor(const QString& path)
{
    auto found = m_effects.constFind(path);
    if (found != m_effects.constEnd())
        return *found;
    QSoundEffect* effect = nullptr;
    if (QFileInfo(path).isFile()) {
        effect = new QSoundEffect;
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect] {
            if (effect->status() != QSoundEffect::Loading && m_playWhenReady.remove(effect)
                && effect->status() == QSoundEffect::Ready)
                effect->play();
        });
        effect->setSource(QUrl::fromLocalFile(path));
    }
    m_effects.insert(path, effect);
    return effect;
}

void QtSoundPlayer::preload(const QStringList& filePaths)
{
    for (const QString& path : filePaths)
        effectFor(path);
}

void QtSoundPlayer::play(const QString& filePath)
{
    QSoundEffect* effect = effectFor(filePath);
    if (!effect || effect->status() == QSoundEffect::Error)
        return;
    if (effect->status() == QSoundEffect::Ready)
        effect->play();
    else
        m_playWhenReady.insert(effect); // played once loaded; clicks meanwhile are one cue
}

} // namespace bs

// The entry point LazySoundPlayer looks up when it loads this library.
extern "C" Q_DECL_EXPORT bs::SoundPlayer* bs_create_sound_player()
{
    return new bs::QtSoundPlayer;
}
