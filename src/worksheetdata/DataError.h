#pragma once

#include <stdexcept>

namespace bs {

// A worksheet or catalogue file that cannot be read or written as it must be: missing, short,
// malformed, or a write that failed (the old file is then left as it was).
class DataError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace bs
