#include "topics/DrawingPages.h"

#include "platform/Printer.h"
#include "ui/Controls.h"
#include "platform/Content.h"
#include "ui/LabelButton.h"
#include "ui/Language.h"
#include "ui/Program.h"
#include "ui/Text.h"
#include "graphics/Picture.h"
#include "topicdata/Topic.h"

#include <QCoreApplication>
#include <QLabel>

namespace bs {

// PrintProblemMessage, for the translations.
[[maybe_unused]] static const char* const printProblemWords =
    QT_TRANSLATE_NOOP("bs::DrawingPages", "There was a problem printing to your printer.");

QString pageLabel(int page, int pages)
{
    return QCoreApplication::translate("bs::DrawingPages", "Page") + numberText(page) +
           QCoreApplication::translate("bs::DrawingPages", " of") + numberText(pages);
}

ImageBox* makeShownPage(QWidget* parent)
{
    auto* image = new ImageBox(parent);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAccessibleName(QCoreApplication::translate("bs::DrawingPages", "Page"));
    image->setLeftTwips(120);
    image->setTopTwips(0);
    return image;
}

ImageBox* makePrintPage(QWidget* parent, double leftTwips, double topTwips)
{
    auto* image = new ImageBox(parent);
    image->setObjectName(QStringLiteral("Image2"));
    image->setLeftTwips(leftTwips);
    image->setTopTwips(topTwips);
    image->hide();
    return image;
}

QLabel* makePageLabel(QWidget* parent, const QString& caption)
{
    QLabel* label = makeLabel(parent, QStringLiteral("Label1"), caption, QRect(4200, 7920, 2295, 495),
                              uiFont(QStringLiteral("Tahoma"), 15.75, true), QColor(0, 0, 0),
                              Qt::AlignHCenter | Qt::AlignTop);
    setLabelColors(label, QColor(0, 0, 0), QColor(255, 255, 255), true);
    setLabelBorder(label, true);
    return label;
}

void makeViewerButtons(QWidget* parent, ControlArray<LabelButton>& row,
                       const std::function<void(int)>& onClick)
{
    // Neither viewer highlights a button under the pointer.
    makeLabelButtonRow(
        parent, row, QStringLiteral("Label3"),
        {{0, QCoreApplication::translate("bs::DrawingPages", "Print"), QRect(10680, 120, 1125, 495)},
         {1, QCoreApplication::translate("bs::DrawingPages", "Exit"), QRect(10680, 7920, 1125, 495)},
         {2, QCoreApplication::translate("bs::DrawingPages", "Next Page"), QRect(6720, 7920, 2685, 495)},
         {3, QCoreApplication::translate("bs::DrawingPages", "Previous Page"), QRect(1320, 7920, 2685, 495)}},
        onClick, Hover::LeavesAlone);
    row(3)->setEnabled(false);
}

void loadDrawingPair(Program& program, ImageBox& shown, ImageBox& forPrint, const QString& fileName)
{
    if (fileName.isEmpty()) {
        shown.setPicture({});
        forPrint.setPicture({});
        return;
    }
    shown.setPicture(program.pictures().load(QStringLiteral("wmf\\") + fileName));
    forPrint.setPicture(program.pictures().load(QStringLiteral("wmf2\\") + fileName));
}

QString pageInLanguage(const Program& program, const QString& fileName)
{
    if (currentLanguage() == Language::English)
        return fileName;
    const QString translated = languageCode(currentLanguage()) + u' ' + fileName;
    const Content& content = program.content();
    return content.exists(QStringLiteral("wmf\\") + translated) && content.exists(QStringLiteral("wmf2\\") + translated)
               ? translated
               : fileName;
}

void printDrawingPage(Program& program, const Picture& drawing)
{
    try {
        std::unique_ptr<PrintJob> job = program.printer().startJob();
        job->print(QStringLiteral(" "), true);
        job->paintPicture(drawing, QPointF(1000, 1000));
        job->endDoc();
    } catch (const PrintError&) {
        program.dialogs().message(
            QCoreApplication::translate("bs::DrawingPages", PrintProblemMessage.toUtf8().constData()));
    }
}

namespace {

class TypedPage : public Drawing
{
public:
    TypedPage(PageText page, PageMedium medium)
        : m_page(std::move(page)), m_medium(medium), m_size(fitPage(m_page, medium).twips)
    {
    }
    QSizeF sizeTwips() const override { return m_size; }
    void play(QPainter& painter, const QRectF& target) const override { drawPage(painter, target, m_page, m_medium); }

private:
    PageText m_page;
    PageMedium m_medium;
    QSizeF m_size;
};

} // namespace

Picture textPagePicture(const Topic& topic, const TextPage& page, PageMedium medium)
{
    PageText text{page.heading, topic.title, {}};
    for (const QString& paragraph : page.paragraphs) {
        if (paragraph.startsWith(QLatin1String("- ")))
            text.blocks.push_back({PageBlock::Bullet, paragraph.mid(2)});
        else
            text.blocks.push_back({PageBlock::Paragraph, paragraph});
    }
    if (!page.didYouKnow.isEmpty()) {
        const QString opening = topic.language == QLatin1String("cy") ? QStringLiteral("Wyddost ti? ")
                                                                        : QStringLiteral("Did you know? ");
        text.blocks.push_back({PageBlock::Box, opening + page.didYouKnow});
    }
    return Picture(std::make_shared<TypedPage>(std::move(text), medium));
}

QString textPageWords(const TextPage& page)
{
    QStringList words{page.heading};
    words << page.paragraphs;
    if (!page.didYouKnow.isEmpty())
        words << page.didYouKnow;
    return words.join(u' ');
}

} // namespace bs
