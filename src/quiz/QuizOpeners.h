#pragma once

#include <QString>

namespace bs {

class Picture;
class Program;

// Opens the quiz on the question bank already loaded: touches the quiz screen (its load event
// shows question 1), gives it its small picture and heading line, and shows it.
void openQuiz(Program& program, const Picture& picture, const QString& heading);

} // namespace bs
