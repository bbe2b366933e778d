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
    if (effect->status() == QSoundEffect::Ready) {
        effect->play();
        return;
    }
    // Still loading: play once it is ready, and only once.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, connection] {
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
        if (effect->status() != QSoundEffect::Loading)
            QObject::disconnect(*connection);
    });
}

} // namespace bs

// The entry point LazySoundPlayer looks up when it loads this library.
extern "C" Q_DECL_EXPORT bs::SoundPlayer* bs_create_sound_player()
{
    return new bs::QtSoundPlayer;
}
