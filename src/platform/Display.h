#pragma once

#include <QSizeF>

namespace bs {

// The screen as the layout sees it: its size in twips, and the screen-wide hourglass.
class Display
{
public:
    virtual ~Display() = default;
    virtual QSizeF screenSizeTwips() const = 0;
    virtual void setBusy(bool busy) = 0;
};

class QtDisplay : public Display
{
public:
    QSizeF screenSizeTwips() const override;
    void setBusy(bool busy) override;
};

} // namespace bs
