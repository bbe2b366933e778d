#include "platform/fakes/Fakes.h"

namespace bs {

void FakeDialogs::message(const QString& text)
{
    messages.append(text);
}

bool FakeDialogs::confirm(const QString& text)
{
    questions.append(text);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

double FakeRandom::next()
{
    ++draws;
    if (values.empty())
        return 0.0;
    const double value = values.front();
    values.pop_front();
    return value;
}

} // namespace bs
