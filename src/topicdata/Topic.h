#pragma once

#include "topicdata/ActivityDefinition.h"
#include "topicdata/OwnTopic.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace bs {

// The places and topics of the main menu, in the order of its columns and rows.
inline const QStringList& menuPlaces()
{
    static const QStringList places{QStringLiteral("Llandudno"), QStringLiteral("Isles of Scilly"),
                                    QStringLiteral("St Lucia")};
    return places;
}

inline const QStringList& menuTopics()
{
    static const QStringList topics{QStringLiteral("History"), QStringLiteral("Physical Geography"),
                                    QStringLiteral("Human Geography"), QStringLiteral("Economy"),
                                    QStringLiteral("Living by the sea")};
    return topics;
}

// One topic page, as its file in the topics folder describes it: everything that tells one
// page and its activities from another.
struct Topic
{
    QString fileName; // "scilly1.json", for messages
    QString formName; // "scilly1"
    QString place;    // one of menuPlaces()
    QString topic;    // one of menuTopics()
    QString title;    // Label1's caption, also the activities' heading
    QRect titleTwips;
    Qt::Alignment titleAlignment = Qt::AlignLeft;
    QString panorama; // shown in Image1, panned by HScroll1
    int imageTop = 0;
    int frameTop = 0;
    int scrollWidth = 0;
    QString worksheet;   // the topic's multiple-choice worksheet file
    QString quizPicture; // the quiz screen's small picture
    QString keyFactsKey; // notekey of the two key facts pages, "key scilly1"
    QString notesKey;    // notekey of the one teacher's notes page, "scilly1"
    QString labelling;   // form names of the activities the page's buttons open; may be empty
    QString ordering;
    std::vector<ActivityDefinition> activities;

    // A school's own topic ("own1", "own2", ...): no place or topic, typed text pages in place
    // of the drawings (no keys), its worksheet named by its catalogue title, written in its
    // own language whatever the interface's.
    bool own = false;
    std::vector<TextPage> keyFactsText; // none or two pages
    std::optional<TextPage> notesText;
    QString worksheetTitle;
    QString language;
};

} // namespace bs
