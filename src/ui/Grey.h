#pragma once

#include "ui/Screen.h"

namespace bs {

// The backdrop: a plain full-screen window behind every other screen for the whole run.
class Grey : public Screen
{
    Q_OBJECT

public:
    Grey(Program& program, const QString& formName);

    void Form_Load() override;
    // Showing the backdrop again while it is shown changes nothing: it never comes forward.
    void showScreen() override;
};

} // namespace bs
