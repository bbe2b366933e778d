#include "app/ScreenCatalog.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "platform/fakes/FakeServices.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "support/TestProgram.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "platform/QtPrinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLabel>

using namespace bs;

namespace {

const QString times = QStringLiteral("Times New Roman");
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor darkBlue(0, 0, 128);
const QColor black(0, 0, 0);
const QString banner = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

// What a text op should be: its text, line end, x (NaN: centred), size and colour.
struct Expected
{
    QString text;
    bool endLine;
    double x;
    double size;
    QColor color = black;
};

constexpr double Centred = -1;

double widthOf(const QString& text, double points)
{
    QFont font(times);
    font.setPointSizeF(points);
    return QFontMetricsF(font).horizontalAdvance(text) * 15;
}

QList<PrintOp> textOps(const QList<PrintOp>& ops)
{
    QList<PrintOp> texts;
    for (const PrintOp& op : ops) {
        if (op.kind == PrintOp::Text)
            texts.append(op);
    }
    return texts;
}

void compareTexts(const QList<PrintOp>& actual, const QList<Expected>& expected, double W, bool checkColour)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const PrintOp& op = actual[i];
        const Expected& want = expected[i];
        const QByteArray where = "text " + QByteArray::number(i) + ": " + want.text.toUtf8();
        QVERIFY2(op.text == want.text, (where + " got " + op.text.toUtf8()).constData());
        QVERIFY2(op.endLine == want.endLine, where.constData());
        QVERIFY2(op.fontName == times, where.constData());
        QVERIFY2(qFuzzyCompare(op.fontSize, want.size), (where + " size " + QByteArray::number(op.fontSize)).constData());
        const double x = want.x == Centred ? (W - widthOf(want.text, want.size)) / 2 : want.x;
        QVERIFY2(qAbs(op.at.x() - x) < 0.01,
                 (where + " x " + QByteArray::number(op.at.x()) + " not " + QByteArray::number(x)).constData());
        if (checkColour)
            QVERIFY2(op.color == want.color, (where + " colour " + op.color.name().toUtf8()).constData());
    }
}

// Every job goes to a PDF file through the same page code as the real printer.
class PdfFilePrinter : public Printer
{
public:
    explicit PdfFilePrinter(QString fileName)
        : m_fileName(std::move(fileName))
    {
    }
    std::unique_ptr<PrintJob> startJob() override { return QtPrinter::startPdfJob(m_fileName); }

private:
    QString m_fileName;
};

// The real printer, noting whether it refused to start a job.
class RefusalWitness : public Printer
{
public:
    std::unique_ptr<PrintJob> startJob() override
    {
        try {
            return m_real.startJob();
        } catch (const PrintError&) {
            refused = true;
            throw;
        }
    }
    bool refused = false;

private:
    QtPrinter m_real;
};

} // namespace

class TestPrintouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    void worksheet_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("titled") << QStringLiteral("Isles of Scilly - History");
        QTest::newRow("empty title") << QString();
    }
    void worksheet()
    {
        QFETCH(QString, title);
        loadSampleWorksheet(m_test->state());
        m_test->state().worktitle = title;
        m_test->state().answerc[3].clear();
        openQuiz(m_test->program(), Picture(), QStringLiteral("Brellinshore"));
        Multiple& quiz = m_test->screens().get<Multiple>(QStringLiteral("multiple"));
        clickButton(quiz.Label3(3));

        const double W = m_test->printer().pageTwips.width();
        const QString header = QStringLiteral("Brellinshore") + QString(57, u' ') + QStringLiteral("Quenlow Publishing Ltd");
        QCOMPARE(header.size(), 91);
        QList<Expected> expected{
            {QStringLiteral(" "), true, W / 8, 16},
            {header, false, W / 16, 16},
            {QStringLiteral(" "), true, W / 16 + widthOf(header, 16), 16},
            {QStringLiteral(" "), true, 0, 16},
            {QStringLiteral("Brellinshore"), true, Centred, 32},
            {title, true, Centred, 32},
            {QStringLiteral(" "), true, 0, 32},
        };
        const ProgramState& s = m_test->state();
        for (int n = 1; n <= 10; ++n) {
            expected.append({QStringLiteral("Question %1    ").arg(n) + s.question[n], true, W / 16, 12});
            expected.append({QStringLiteral("A. ") + s.answera[n], false, W / 3, 12});
            expected.append({QStringLiteral("B. ") + s.answerb[n], true, 2 * W / 3, 12});
            expected.append({QStringLiteral("C. ") + s.answerc[n], false, W / 3, 12});
            expected.append({QStringLiteral("D. ") + s.answerd[n], true, 2 * W / 3, 12});
            expected.append({QStringLiteral(" "), true, 0, 12});
        }
        const QList<PrintOp>& ops = m_test->printer().ops;
        compareTexts(textOps(ops), expected, W, false);
        QCOMPARE(expected[6 + 3 * 6 - 2].text, QStringLiteral("C. "));
        QCOMPARE(std::count_if(ops.begin(), ops.end(), [](const PrintOp& op) { return op.endLine; }), 46);
        QCOMPARE(ops.last().kind, PrintOp::EndDoc);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your worksheet is now printing.")});
        if (title.isEmpty())
            QCOMPARE(textOps(ops)[5].at.x(), W / 2);
    }

    void worksheetFailure_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<int>("failAt");
        QTest::newRow("no printer") << true << 0;
        QTest::newRow("first operation") << false << 1;
        QTest::newRow("question 5") << false << 60;
    }
    void worksheetFailure()
    {
        QFETCH(bool, noPrinter);
        QFETCH(int, failAt);
        m_test->printer().noPrinter = noPrinter;
        m_test->printer().failAt = failAt;
        Multiple& quiz = openSampleQuiz(*m_test);
        clickButton(quiz.Label3(1));
        clickButton(quiz.Label3(3));
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("There was a problem printing to your printer.")});
        QCOMPARE(m_test->printer().jobsEnded, 0);
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 2"));
    }

    // The heading is measured on the results screen, not on the printer, to pick its size.
    void certificate_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<double>("headingSize");
        QTest::newRow("quiz from a topic page") << QStringLiteral("Brellinshore") << QStringLiteral("Tom Hicks") << 10 << 10 << 36.0;
        QTest::newRow("long heading") << QStringLiteral("Geography of the Isles of Scilly for Year Five and Six")
                                      << QStringLiteral("Amy") << 10 << 10 << 28.0;
        QTest::newRow("activity before any quiz, no name") << QString() << QString() << 6 << 6 << 36.0;
    }
    void certificate()
    {
        QFETCH(QString, heading);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(double, headingSize);
        const double W = m_test->printer().pageTwips.width();
        const double H = m_test->printer().pageTwips.height();
        const double onScreen = QFontMetricsF(Welldone::defaultFont()).horizontalAdvance(heading) * 15;
        QCOMPARE(onScreen > W / 4, headingSize == 28.0); // the rows sit either side of the threshold

        m_test->state().certtitle = heading;
        m_test->state().score = score;
        m_test->state().outof = outof;
        m_test->screens().show(QStringLiteral("Welldone"));
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        results.unloading();
        QTest::keyClicks(results.Text1, name);
        clickButton(results.Label3(0));

        const QString twice = banner + banner;
        QCOMPARE(twice.size(), 118);
        const QString blank = QStringLiteral(" ");
        const QString scoreLine = QStringLiteral("You have scored %1 out of %2.").arg(score).arg(outof);
        QList<Expected> expected{
            {blank, true, W / 8, 25, blue},
            {twice, false, 0, 25, blue},
            {blank, true, widthOf(twice, 25), 25, blue},
            {blank, true, 0, 25, blue},
            {blank, true, 0, 25, blue},
            {QStringLiteral("Brellinshore"), true, Centred, 36, red},
            {blank, true, 0, 36, red},
            {heading, true, Centred, headingSize, blue},
            {QString(), true, W / 2, headingSize, blue},
            {blank, true, 0, 36, blue},
            {blank, true, 0, 36, blue},
            {blank, true, 0, 36, blue},
            {QStringLiteral("Excellent Work"), true, Centred, 28, darkBlue},
            {blank, true, 0, 28, darkBlue},
            {name, true, Centred, 28, darkBlue},
            {QString(), true, W / 2, 28, darkBlue},
            {scoreLine, true, Centred, 28, darkBlue},
            {blank, true, 0, 28, darkBlue},
            {blank, true, 0, 36, darkBlue},
            {blank, true, 0, 36, darkBlue},
            {blank, true, 0, 25, blue},
            {twice, false, 0, 25, black},
        };
        const QList<PrintOp>& ops = m_test->printer().ops;
        compareTexts(textOps(ops), expected, W, true);

        // The border: five outer frames, and inner frames for the first three, each drawn
        // top, left, right, bottom, in black at line width 2.
        QList<QLineF> lines;
        for (int k = 1; k <= 5; ++k) {
            const double x = 45.0 * k;
            const double y = 225.0 + 45.0 * k;
            auto frame = [&](double l, double t, double r, double b) {
                lines << QLineF(l, t, r, t) << QLineF(l, t, l, b) << QLineF(r, t, r, b) << QLineF(l, b, r, b);
            };
            frame(x, y, W - x, H - y);
            if (k <= 3)
                frame(x + 600, y + 7050, W - x - 600, H - y - 3750);
        }
        QCOMPARE(lines.size(), 32);
        QCOMPARE(lines[4], QLineF(645, 7320, W - 645, 7320));
        QList<QLineF> drawn;
        for (const PrintOp& op : ops) {
            if (op.kind != PrintOp::Line)
                continue;
            drawn << QLineF(op.at, op.to);
            QCOMPARE(op.color, black);
            QCOMPARE(op.drawWidth, 2);
        }
        QCOMPARE(drawn, lines);
        // The bottom banner comes before the border, the page is sent last.
        const auto firstLine = std::find_if(ops.begin(), ops.end(), [](const PrintOp& op) { return op.kind == PrintOp::Line; });
        QCOMPARE(std::prev(firstLine)->text, twice);
        QCOMPARE(ops.last().kind, PrintOp::EndDoc);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your certificate is now printing.")});
    }

    // Both printouts through the real page code to a PDF file.
    void printoutsToPdf()
    {
        QTemporaryDir dir;
        const QString worksheetPdf = dir.filePath(QStringLiteral("worksheet.pdf"));
        const QString certificatePdf = dir.filePath(QStringLiteral("certificate.pdf"));
        for (const QString& file : {worksheetPdf, certificatePdf}) {
            Services services = fakeServices();
            services.printer = std::make_unique<PdfFilePrinter>(file);
            Program program(dir.path(), std::move(services));
            registerAllScreens(program.screens());
            loadSampleWorksheet(program.state);
            openQuiz(program, Picture(), QStringLiteral("Brellinshore"));
            auto& quiz = program.screens().get<Multiple>(QStringLiteral("multiple"));
            if (file == worksheetPdf) {
                quiz.Printpage();
            } else {
                for (int n = 1; n <= 10; ++n) {
                    clickOption(quiz.Option1(rightAnswer(n)));
                    clickButton(quiz.Label3(1));
                }
                auto& results = program.screens().get<Welldone>(QStringLiteral("Welldone"));
                results.unloading();
                results.Text1->setText(QStringLiteral("Tom Hicks"));
                results.Printpage();
            }
            program.screens().closeAll();
            QFile pdf(file);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
            QVERIFY(pdf.size() > 2000);
        }
        if (const QByteArray keep = qgetenv("BS_KEEP_PRINTOUTS"); !keep.isEmpty()) {
            QFile::copy(worksheetPdf, QString::fromLocal8Bit(keep) + QStringLiteral("/worksheet.pdf"));
            QFile::copy(certificatePdf, QString::fromLocal8Bit(keep) + QStringLiteral("/certificate.pdf"));
        }
    }

    // The real default printer, where the machine has one. It puts a page on paper, so it runs
    // only when asked for (BS_TEST_REAL_PRINTER=1), never in an ordinary test run.
    void realPrinter()
    {
        if (qEnvironmentVariableIntValue("BS_TEST_REAL_PRINTER") != 1)
            QSKIP("prints a real page: set BS_TEST_REAL_PRINTER=1 to run it");
        QTemporaryDir dir;
        Services services = fakeServices();
        auto dialogs = std::make_unique<FakeDialogs>();
        FakeDialogs* messages = dialogs.get();
        auto printer = std::make_unique<RefusalWitness>();
        RefusalWitness* witness = printer.get();
        services.dialogs = std::move(dialogs);
        services.printer = std::move(printer);
        Program program(dir.path(), std::move(services));
        registerAllScreens(program.screens());
        program.state.score = 10;
        program.state.outof = 10;
        program.state.certtitle = QStringLiteral("Brellinshore");
        program.screens().get<Welldone>(QStringLiteral("Welldone")).Printpage();
        program.screens().closeAll();
        if (witness->refused)
            QSKIP("no default printer on this machine");
        QCOMPARE(messages->messages, QStringList{QStringLiteral("Your certificate is now printing.")});
    }

private:
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestPrintouts)
#include "test_printouts.moc"
