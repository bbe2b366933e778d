#pragma once

#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "platform/fakes/FakeServices.h"
#include "support/TestProgram.h"

#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace bs::quiztest {

// The right answer of question n in the sample worksheet: A, B, C, D, A, B, ...
inline int rightAnswer(int n)
{
    return (n - 1) % 4 + 1;
}

// A worksheet in the bank as a topic page leaves it, with sounds on as the main menu leaves them.
inline void loadSampleWorksheet(ProgramState& state)
{
    state.worktitle = QStringLiteral("Isles of Scilly - History");
    for (int n = 1; n <= 10; ++n) {
        state.question[n] = QStringLiteral("What happened in year %1?").arg(n);
        state.answera[n] = QStringLiteral("Answer %1A").arg(n);
        state.answerb[n] = QStringLiteral("Answer %1B").arg(n);
        state.answerc[n] = QStringLiteral("Answer %1C").arg(n);
        state.answerd[n] = QStringLiteral("Answer %1D").arg(n);
        state.correct[n] = QString::number(rightAnswer(n));
    }
    state.soundon = 1;
}

inline void writeResultPicture(TestProgram& test)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(QColor(20, 120, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    test.writeContent(QStringLiteral("Images/brellinshoresm.jpg"), bytes);
}

inline Multiple& openSampleQuiz(TestProgram& test)
{
    loadSampleWorksheet(test.state());
    openQuiz(test.program(), Picture(), QStringLiteral("Brellinshore"));
    return test.screens().get<Multiple>(QStringLiteral("multiple"));
}

// Clicks an option on its round indicator, where a pupil clicks.
inline void clickOption(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

inline void clickButton(LabelButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

inline bool shownOn(QWidget* control)
{
    return !control->isHidden();
}

} // namespace bs::quiztest
