#pragma once

#include "platform/Services.h"

namespace bs {

// Every service faked (FakeSound, FakeDialogs, FakeRandom, FakePrinter, FakeDisplay) and an
// end of the run that does nothing. Replace a member to put another stand-in in its place.
Services fakeServices();

} // namespace bs
