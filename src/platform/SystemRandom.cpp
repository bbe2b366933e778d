#include "platform/RandomSource.h"

#include <QDateTime>

namespace bs {

SystemRandom::SystemRandom()
    : m_generator(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{
}

} // namespace bs
