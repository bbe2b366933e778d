#pragma once

#include <QRandomGenerator>

namespace bs {

// Uniform numbers in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Seeded from the clock at start, as the classroom expects a different draw each run.
class SystemRandom : public RandomSource
{
public:
    SystemRandom();
    double next() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

} // namespace bs
