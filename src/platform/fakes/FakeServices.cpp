#include "platform/fakes/FakeServices.h"

#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"

namespace bs {

Services fakeServices()
{
    Services services;
    services.sound = std::make_unique<FakeSound>();
    services.dialogs = std::make_unique<FakeDialogs>();
    services.random = std::make_unique<FakeRandom>();
    services.printer = std::make_unique<FakePrinter>();
    services.display = std::make_unique<FakeDisplay>();
    services.endProgram = [] {};
    return services;
}

} // namespace bs
