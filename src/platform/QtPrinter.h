#pragma once

#include "platform/Printer.h"

namespace bs {

// The default printer through QPrinter and QPainter, at the printer's own resolution.
class QtPrinter : public Printer
{
public:
    std::unique_ptr<PrintJob> startJob() override;
};

} // namespace bs
