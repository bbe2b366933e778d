#pragma once

#include "graphics/Picture.h"

#include <QString>

namespace bs {

class Content;

// Loads pictures by content path: JPEG, BMP and GIF through Qt's readers, Windows metafiles
// through the program's own renderer (kept as vectors). Nothing is cached: screens load their
// pictures whenever they show them, so loading has to be fast.
class Pictures
{
public:
    explicit Pictures(const Content& content);
    // It keeps a reference: never to a temporary.
    explicit Pictures(const Content&& content) = delete;

    // An empty picture for a missing, unreadable or empty path; never throws.
    Picture load(const QString& contentPath) const;

private:
    const Content& m_content;
};

} // namespace bs
