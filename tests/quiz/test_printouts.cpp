// The worksheet and the certificate as printed, line by line, through the fake printer.
#include "app/ScreenCatalog.h"
#include "base/Names.h"
#include "platform/fakes/FakeServices.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace bs;

namespace {

const QColor blue(0, 0, 255), red(255, 0, 0), darkBlue(0, 0, 128), black(0, 0, 0);
constexpr double Centred = -1;
const QString problem = QStringLiteral("There was a problem printing to your printer.");

// A printed text as it should be: its line end, x (or Centred), size and colour.
struct Line
{
    QString text;
    bool endLine;
    double x;
    double size;
    QColor color = black;
};

double widthOf(const QString& text, double points)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    return QFontMetricsF(font).horizontalAdvance(text) * 15;
}

void compareTexts(const QList<PrintOp>& ops, const QList<Line>& expected, double W, bool colours)
{
    QList<PrintOp> texts;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(texts), [](const PrintOp& op) { return op.kind == PrintOp::Text; });
    QCOMPARE(texts.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const PrintOp& op = texts[i];
        const Line& want = expected[i];
        const double x = want.x == Centred ? (W - widthOf(want.text, want.size)) / 2 : want.x;
        const QByteArray where = QByteArray::number(i) + ": " + op.text.toUtf8();
        QCOMPARE(op.text, want.text);
        QVERIFY2(op.endLine == want.endLine && op.fontName == QLatin1String("Times New Roman"), where.constData());
        QVERIFY2(qFuzzyCompare(op.fontSize, want.size) && qAbs(op.at.x() - x) < 0.01, where.constData());
        QVERIFY2(!colours || op.color == want.color, where.constData());
    }
    QCOMPARE(ops.last().kind, PrintOp::EndDoc);
}

// A printer whose job breaks with something other than a printer error.
class BrokenPrinter : public Printer
{
public:
    std::unique_ptr<PrintJob> startJob() override { throw std::runtime_error("out of resources"); }
};

} // namespace

class TestPrintouts : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    Welldone& openCertificate(const QString& heading, int score, int outof)
    {
        const QuizOutcome outcome{heading, QString(), {}};
        openResults(m_test->program(), score, outof, heading.isNull() ? nullptr : &outcome);
        auto& results = m_test->screens().get<Welldone>(screenName::results);
        results.unloading(); // no celebration to wait for
        return results;
    }

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    // Printed from the last question, with an answer chosen: the quiz goes on as it was.
    void worksheet_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("titled") << "Isles of Scilly - History";
        QTest::newRow("empty title") << "";
    }
    void worksheet()
    {
        QFETCH(QString, title);
        ProgramState& s = m_test->state();
        loadSampleWorksheet(s);
        s.worktitle = title;
        s.answerc[3].clear();
        openQuiz(m_test->program(), Picture(), QStringLiteral("Brellinshore"));
        auto& quiz = m_test->screens().get<Multiple>(screenName::quiz);
        for (int n = 1; n <= 9; ++n)
            clickButton(quiz.Label3(1));
        clickOption(quiz.Option1(2));
        clickButton(quiz.Label3(3));

        const double W = m_test->printer().pageTwips.width();
        const QString header = QStringLiteral("Brellinshore") + QString(57, u' ') + QStringLiteral("Quenlow Publishing Ltd");
        QList<Line> expected{{" ", true, W / 8, 16},
                             {header, false, W / 16, 16},
                             {" ", true, W / 16 + widthOf(header, 16), 16},
                             {" ", true, 0, 16},
                             {"Brellinshore", true, Centred, 32},
                             {title, true, Centred, 32},
                             {" ", true, 0, 32}};
        for (int n = 1; n <= 10; ++n) {
            expected << Line{QStringLiteral("Question %1    ").arg(n) + s.question[n], true, W / 16, 12}
                     << Line{"A. " + s.answera[n], false, W / 3, 12} << Line{"B. " + s.answerb[n], true, 2 * W / 3, 12}
                     << Line{"C. " + s.answerc[n], false, W / 3, 12} << Line{"D. " + s.answerd[n], true, 2 * W / 3, 12}
                     << Line{" ", true, 0, 12};
        }
        compareTexts(m_test->printer().ops, expected, W, false);
        QCOMPARE(m_test->printer().jobsEnded, 1);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your worksheet is now printing.")});
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 10"));
        QVERIFY(quiz.Option1(2)->isChecked());
        QCOMPARE(m_test->state().score, 0);
        QVERIFY(m_test->screens().isLoaded(screenName::quiz));
    }

    // The heading is measured on the results screen, not on the printer, to pick its size.
    void certificate_data()
    {
        QTest::addColumn<QString>("heading"); // null: an activity's, before any quiz
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<double>("headingSize");
        QTest::newRow("a quiz, a long name") << "Brellinshore" << "Amelia Jane Trevithick-Penhaligon the Third"
                                             << "Amelia Jane Trevithick-Pe" << 10 << 10 << 36.0;
        QTest::newRow("long heading") << "Geography of the Isles of Scilly for Year Five and Six" << "Amy" << "Amy"
                                      << 10 << 10 << 28.0;
        QTest::newRow("an activity, no name") << QString() << "" << "" << 6 << 6 << 36.0;
    }
    void certificate()
    {
        QFETCH(QString, heading);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(double, headingSize);
        const double W = m_test->printer().pageTwips.width();
        const double H = m_test->printer().pageTwips.height();
        Welldone& results = openCertificate(heading, score, outof);
        QTest::keyClicks(results.Text1, typed);
        clickButton(results.Label3(0));

        const QString twice = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ").repeated(2);
        const QString scoreLine = QStringLiteral("You have scored %1 out of %2.").arg(score).arg(outof);
        const QList<Line> expected{
            {" ", true, W / 8, 25, blue},          {twice, false, 0, 25, blue},
            {" ", true, widthOf(twice, 25), 25, blue}, {" ", true, 0, 25, blue},
            {" ", true, 0, 25, blue},              {"Brellinshore", true, Centred, 36, red},
            {" ", true, 0, 36, red},               {heading, true, Centred, headingSize, blue},
            {"", true, W / 2, headingSize, blue},  {" ", true, 0, 36, blue},
            {" ", true, 0, 36, blue},              {" ", true, 0, 36, blue},
            {"Excellent Work", true, Centred, 28, darkBlue}, {" ", true, 0, 28, darkBlue},
            {name, true, Centred, 28, darkBlue},   {"", true, W / 2, 28, darkBlue},
            {scoreLine, true, Centred, 28, darkBlue}, {" ", true, 0, 28, darkBlue},
            {" ", true, 0, 36, darkBlue},          {" ", true, 0, 36, darkBlue},
            {" ", true, 0, 25, blue},              {twice, false, 0, 25, black}};
        const QList<PrintOp>& ops = m_test->printer().ops;
        compareTexts(ops, expected, W, true);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your certificate is now printing.")});

        // The border, after the bottom banner: five outer frames and three inner ones, each
        // drawn top, left, right, bottom, in black at width 2.
        QList<QLineF> frames;
        for (int k = 1; k <= 5; ++k) {
            auto frame = [&](double l, double t, double r, double b) {
                frames << QLineF(l, t, r, t) << QLineF(l, t, l, b) << QLineF(r, t, r, b) << QLineF(l, b, r, b);
            };
            frame(45.0 * k, 225 + 45.0 * k, W - 45.0 * k, H - 225 - 45.0 * k);
            if (k <= 3)
                frame(45.0 * k + 600, 7275 + 45.0 * k, W - 45.0 * k - 600, H - 3975 - 45.0 * k);
        }
        QList<QLineF> drawn;
        for (const PrintOp& op : ops.mid(ops.size() - 33, 32)) {
            QVERIFY(op.kind == PrintOp::Line && op.color == black && op.drawWidth == 2);
            drawn << QLineF(op.at, op.to);
        }
        QCOMPARE(drawn, frames);
    }

    // Both printouts drawn into a PDF through the real printer's page code.
    void printoutsToPdf()
    {
        openSampleQuiz(*m_test).Printpage();
        openCertificate(QStringLiteral("Brellinshore"), 10, 10).Printpage();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("printouts.pdf"));
        QVERIFY(m_test->printer().writePdf(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-" && file.size() > 2000);
        if (const QString keep = qEnvironmentVariable("BS_KEEP_PRINTOUTS"); !keep.isEmpty())
            QFile::copy(pdf, keep + QStringLiteral("/printouts.pdf"));
    }

    // failAt counts the job's operations from 1; 0 or less counts back from a good run's last.
    void printFailures_data()
    {
        QTest::addColumn<bool>("certificate");
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<int>("failAt");
        for (const bool certificate : {false, true}) {
            const char* what = certificate ? "certificate" : "worksheet";
            QTest::addRow("%s, no printer", what) << certificate << true << 0;
            QTest::addRow("%s, first operation", what) << certificate << false << 1;
            QTest::addRow("%s, halfway", what) << certificate << false << 40;
            QTest::addRow("%s, sending the page", what) << certificate << false << 0;
        }
    }
    void printFailures()
    {
        QFETCH(bool, certificate);
        QFETCH(bool, noPrinter);
        QFETCH(int, failAt);
        Multiple& quiz = openSampleQuiz(*m_test);
        QWidget* print = quiz.Label3(3);
        if (certificate)
            print = openCertificate(QStringLiteral("Brellinshore"), 10, 10).Label3(0);
        FakePrinter& printer = m_test->printer();
        if (!noPrinter && failAt <= 0) {
            clickButton(print);
            failAt += printer.opCount;
            printer.opCount = 0;
            printer.ops.clear();
            m_test->dialogs().messages.clear();
        }
        printer.noPrinter = noPrinter;
        printer.failAt = failAt;
        clickButton(print);
        QCOMPARE(m_test->dialogs().messages, QStringList{problem});
        QVERIFY(printer.ops.isEmpty() || printer.ops.last().kind != PrintOp::EndDoc);
    }

    void anUnexpectedFailureCancelsTheCertificate()
    {
        QTemporaryDir dir;
        Services services = fakeServices();
        auto dialogs = std::make_unique<FakeDialogs>();
        const QStringList& messages = dialogs->messages;
        services.dialogs = std::move(dialogs);
        services.printer = std::make_unique<BrokenPrinter>();
        Program program(dir.path(), std::move(services));
        registerAllScreens(program.screens());
        openResults(program, 10, 10);
        clickButton(program.screens().get<Welldone>(screenName::results).Label3(0));
        QCOMPARE(messages, QStringList{QStringLiteral("Printing has been cancelled.")});
        program.screens().closeAll();
    }
};

QTEST_MAIN(TestPrintouts)
#include "test_printouts.moc"
