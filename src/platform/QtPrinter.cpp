#include "platform/QtPrinter.h"

namespace bs {

std::unique_ptr<PrintJob> QtPrinter::startJob()
{
    throw PrintError("There is no default printer.");
}

} // namespace bs
