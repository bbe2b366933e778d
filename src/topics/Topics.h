#pragma once

#include <QRect>
#include <QString>

#include <vector>

namespace bs {

// One topic page: everything that tells one page from another. A topic is added to the
// program by adding a row to topics(): its page is registered under formName and the main
// menu entry menuEntry opens it.
struct Topic
{
    QString formName;   // "scilly1"
    int menuEntry = -1; // the main menu's Label2 index that opens the page
    QString title;      // Label1's caption, also the activities' heading
    QRect titleTwips;   // Label1's place
    Qt::Alignment titleAlignment;
    QString panorama; // shown in Image1, panned by HScroll1
    int imageTop = 0;
    int frameTop = 0;
    int scrollWidth = 0;
    QString worksheet;         // the topic's multiple-choice worksheet file
    QString quizPicture;       // the quiz screen's small picture
    QString labelling;         // form name of the labelling activity
    QString ordering;          // form name of the ordering activity
    QString keyFactsKey;       // notekey of the key facts (two pages)
    QString keyFactsFirstPage; // file name of page 1, in both wmf\ and wmf2\ .
    QString notesKey;          // notekey of the teacher's notes (one page)
    QString notesPage;         // file name of that page, in both wmf\ and wmf2\ .
};

const std::vector<Topic>& topics();

// The topic whose page has this form name, or the one the menu entry opens; nullptr if none.
const Topic* topicByFormName(const QString& formName);
const Topic* topicForMenuEntry(int menuEntry);

} // namespace bs
