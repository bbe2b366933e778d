#pragma once

#include "platform/Dialogs.h"
#include "platform/Display.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"

#include <QStringList>
#include <deque>

namespace bs {

// Records the cue paths it is asked to play, in order.
class FakeSound : public SoundPlayer
{
public:
    void play(const QString& contentPath) override { played.append(contentPath); }
    QStringList played;
};

// Records every message and question; answers questions from a script (OK when it runs out).
class FakeDialogs : public Dialogs
{
public:
    void message(const QString& text) override;
    bool confirm(const QString& text) override;

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
};

// Returns the given values in turn, then 0.
class FakeRandom : public RandomSource
{
public:
    double next() override;
    std::deque<double> values;
    int draws = 0;
};

class FakeDisplay : public Display
{
public:
    QSizeF screenSizeTwips() const override { return size; }
    void setBusy(bool busy) override { busy ? ++busyCalls : ++idleCalls; }

    QSizeF size{12000, 9000};
    int busyCalls = 0;
    int idleCalls = 0;
};

} // namespace bs
