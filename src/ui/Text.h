#pragma once

#include <QString>

namespace bs {

// A number as it is joined into a caption, message or printed line: one leading space for
// 0 and above, the minus sign otherwise ("You have scored" + numberText(7) gives
// "You have scored 7").
inline QString numberText(int number)
{
    return number >= 0 ? u' ' + QString::number(number) : QString::number(number);
}

} // namespace bs
