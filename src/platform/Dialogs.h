#pragma once

#include <QString>

namespace bs {

// The program's only dialogues: a message with OK, and the OK/Cancel question before a
// worksheet is deleted. Neither has an icon.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // OK only; caption "Brellinshore".
    virtual void message(const QString& text) = 0;
    // OK and Cancel, empty caption; true for OK.
    virtual bool confirm(const QString& text) = 0;
};

class QtDialogs : public Dialogs
{
public:
    void message(const QString& text) override;
    bool confirm(const QString& text) override;
};

} // namespace bs
