#pragma once

#include <QString>

// Names that more than one part of the program must spell alike: the form names of the
// screens, and the cue sounds played from several screens.
namespace bs {

namespace screenName {
inline const QString backdrop = QStringLiteral("Grey");
inline const QString title = QStringLiteral("Titlefrm");
inline const QString menu = QStringLiteral("intro0");
inline const QString quiz = QStringLiteral("multiple");
inline const QString results = QStringLiteral("Welldone");
inline const QString wrongAnswers = QStringLiteral("Wrong");
inline const QString wizard = QStringLiteral("wizard");
inline const QString catalogue = QStringLiteral("worksheets");
inline const QString notes = QStringLiteral("teacher");
inline const QString guide = QStringLiteral("guide");
// The school's own topics.
inline const QString ourTopics = QStringLiteral("ourtopics");
inline const QString topicMaker = QStringLiteral("topicmaker");
// The teacher's view of the class's records, and its class lists.
inline const QString classResults = QStringLiteral("classresults");
inline const QString classLists = QStringLiteral("classlists");
} // namespace screenName

namespace cue {
inline const QString click = QStringLiteral("wav\\click.wav");
inline const QString typeKey = QStringLiteral("wav\\typekey.wav");
inline const QString thud = QStringLiteral("wav\\thud3.wav");
} // namespace cue

} // namespace bs
