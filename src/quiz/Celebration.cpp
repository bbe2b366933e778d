#include "quiz/Celebration.h"

#include "platform/RandomSource.h"

#include <QStringList>
#include <algorithm>

namespace bs {

namespace {

QString pick(const QStringList& sounds, RandomSource& random)
{
    double r = random.next();
    if (!(r >= 0)) // also NaN
        r = 0;
    // A source is meant to give [0, 1); anything else still picks one of the row's cues.
    const int choice = std::clamp(static_cast<int>(r * sounds.size()), 0, int(sounds.size()) - 1);
    return sounds.at(choice);
}

} // namespace

QString celebrationSound(int score, RandomSource& random)
{
    switch (score) {
    case 12:
        return QStringLiteral("wav\\halleluj.wav");
    case 11:
        return pick({QStringLiteral("wav\\fanf4.wav"), QStringLiteral("wav\\slot_payoff.wav")}, random);
    case 10:
        return pick({QStringLiteral("wav\\fanf2.wav"), QStringLiteral("wav\\fanf3.wav")}, random);
    case 9:
        return pick({QStringLiteral("wav\\crowd.wav"), QStringLiteral("wav\\cheer2.wav"), QStringLiteral("wav\\klaxon.wav")},
                    random);
    case 8:
        return pick({QStringLiteral("wav\\flute.wav"), QStringLiteral("wav\\gong.wav"), QStringLiteral("wav\\clap2.wav")},
                    random);
    case 7:
        return pick({QStringLiteral("wav\\drumroll.wav"), QStringLiteral("wav\\laser2.wav"), QStringLiteral("wav\\whizz.wav")},
                    random);
    case 6:
        return pick({QStringLiteral("wav\\clap3.wav"), QStringLiteral("wav\\clown.wav")}, random);
    default:
        return {};
    }
}

} // namespace bs
