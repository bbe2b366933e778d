#pragma once

#include <QString>

namespace bs {

class Program;
struct Topic;

// The ways into the notes viewer and the guide. Each sets the shared state the viewer reads
// (notepages before the viewer is touched: its load event reads it), loads the first page's
// drawing pair and shows the viewer.
void openKeyFacts(Program& program, const QString& key);      // two pages, "<key>a.wmf" first
void openTeachersNotes(Program& program, const QString& key); // one page, "<key>.wmf"
void openAcknowledgments(Program& program); // the notes viewer with the logos, in light blue
void openGuide(Program& program);           // page 1 of 3
// A school's own topic's typed pages: its two key facts pages, or its teacher's notes with the
// topic pack.
void openOwnKeyFacts(Program& program, const Topic& topic);
void openOwnTeachersNotes(Program& program, const Topic& topic);
} // namespace bs
