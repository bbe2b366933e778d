// The printer: the page code on a PDF, the fake's recording and its PDF, and a real print
// spooler (CUPS with a PDF queue) when the machine allows starting one.
#include "PdfText.h"

#include "graphics/Picture.h"
#include "platform/QtPrinter.h"
#include "platform/fakes/FakePrinter.h"
#include "graphics/wmf/WmfDrawing.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace bs;

namespace {

// A drawing with "Drawingword" in it, to find on the printed page.
Picture drawingWithText()
{
    QFile file(QStringLiteral(BS_SOURCE_DIR "/tests/platform/metafiles/printed-word.wmf"));
    return Picture(WmfDrawing::fromBytes(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()));
}

// What the notes viewer and the certificate do with a job, in short.
void printSample(PrintJob& job, const QString& token)
{
    job.setFontName(QStringLiteral("Times New Roman"));
    job.setFontSize(16);
    job.setCurrentX(job.scaleWidth() / 8);
    job.print(QStringLiteral(" "), true);
    job.setForeColor(Qt::red);
    job.setCurrentX((job.scaleWidth() - job.textWidth(token)) / 2);
    job.print(token, true);
    job.setDrawWidth(2);
    job.line(QPointF(45, 270), QPointF(job.scaleWidth() - 45, 270), Qt::black);
    job.paintPicture(drawingWithText(), QPointF(1000, 3000));
    job.endDoc();
}

bool run(const QString& program, const QStringList& args, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(30000))
        return false;
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool schedulerRunning()
{
    QString out;
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) && out.contains(QLatin1String("is running"))
        && !out.contains(QLatin1String("not running"));
}

} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!test::havePdfTools())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are needed to read the printed pages");
    }

    void realJobPositions()
    {
        QTemporaryDir dir;
        auto job = QtPrinter::startPdfJob(dir.filePath(QStringLiteral("page.pdf")));
        job->setFontName(QStringLiteral("Times New Roman"));
        job->setFontSize(16);
        QVERIFY(job->scaleWidth() > 9000 && job->scaleWidth() < 12000); // A4 less margins
        QVERIFY(job->scaleHeight() > 14000 && job->scaleHeight() < 16838);
        const double height = job->textHeight();
        QVERIFY(height > 300 && height < 500); // about 16 pt
        job->setCurrentX(500);
        job->print(QStringLiteral("Brellinshore"), false);
        QCOMPARE(job->currentX(), 500 + job->textWidth(QStringLiteral("Brellinshore")));
        QCOMPARE(job->currentY(), 0.0);
        job->print(QStringLiteral(" "), true);
        QCOMPARE(job->currentX(), 0.0);
        QCOMPARE(job->currentY(), height);
        job->setFontSize(32);
        QVERIFY(job->textHeight() > 1.8 * height);
        QVERIFY(job->textWidth(QStringLiteral("Well Done")) > 2 * job->textWidth(QStringLiteral("Well")));
        job->endDoc();
        QVERIFY_THROWS_EXCEPTION(PrintError, job->print(QStringLiteral("late"), true));
    }

    void realJobWritesThePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        printSample(*QtPrinter::startPdfJob(path), QStringLiteral("Certificate"));
        const QString text = test::pdfText(path);
        QVERIFY2(text.contains(QLatin1String("Certificate")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("Drawingword")), qPrintable(text)); // the drawing stays text
        QCOMPARE(test::pdfPages(path), 1);
    }

    // Text past the bottom of the page carries on at the top of a new one.
    void realJobStartsNewPages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pages.pdf"));
        {
            auto job = QtPrinter::startPdfJob(path);
            job->setFontSize(72);
            const int linesPerPage = int(job->scaleHeight() / job->textHeight());
            for (int i = 0; i <= linesPerPage; ++i)
                job->print(QStringLiteral("Line %1").arg(i), true);
            QCOMPARE(job->currentY(), job->textHeight()); // the last line went to the top
            job->endDoc();
        }
        QCOMPARE(test::pdfPages(path), 2);
    }

    void abandonedJobPrintsNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.pdf"));
        {
            auto job = QtPrinter::startPdfJob(path);
            job->print(QStringLiteral("half a page"), true);
        }
        QVERIFY(!QFileInfo(path).exists() || QFileInfo(path).size() == 0);
    }

    void fakeRecordsPages()
    {
        FakePrinter printer;
        auto job = printer.startJob();
        job->setFontSize(72);
        const int linesPerPage = int(job->scaleHeight() / job->textHeight());
        for (int i = 0; i <= linesPerPage; ++i)
            job->print(QStringLiteral("Line %1").arg(i), true);
        job->endDoc();
        QCOMPARE(printer.ops.size(), linesPerPage + 2);
        QCOMPARE(printer.ops[linesPerPage - 1].page, 0);
        QCOMPARE(printer.ops[linesPerPage].page, 1);
        QCOMPARE(printer.ops[linesPerPage].at.y(), 0.0);
    }

    void fakeWritesPdf()
    {
        FakePrinter printer;
        printSample(*printer.startJob(), QStringLiteral("Welldone"));
        printSample(*printer.startJob(), QStringLiteral("Secondjob"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fake.pdf"));
        QVERIFY(printer.writePdf(path));
        const QString text = test::pdfText(path);
        QVERIFY2(text.contains(QLatin1String("Welldone")) && text.contains(QLatin1String("Secondjob")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Drawingword")));
        QCOMPARE(test::pdfPages(path), 2); // one page a job
    }

    // The real printer on a real spooler: CUPS with a PDF queue as the default printer.
    void cupsDefaultPrinter()
    {
        if (geteuid() != 0)
            QSKIP("Starting CUPS needs root");
        for (const char* tool : {"cupsd", "lpadmin", "lpstat"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool), {"/usr/sbin", "/usr/bin", "/sbin"}).isEmpty())
                QSKIP("CUPS is not installed");
        }
        if (!QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
            QSKIP("The cups-pdf backend is not installed");
        QProcess cupsd;
        if (!schedulerRunning()) {
            cupsd.start(QStringLiteral("cupsd"), {QStringLiteral("-f")});
            if (!cupsd.waitForStarted(10000))
                QSKIP("cupsd could not be started");
            QTRY_VERIFY_WITH_TIMEOUT(schedulerRunning() || cupsd.state() == QProcess::NotRunning, 20000);
            if (!schedulerRunning())
                QSKIP("cupsd did not come up");
        }
        auto stopCupsd = qScopeGuard([&] {
            if (cupsd.state() != QProcess::NotRunning) {
                cupsd.terminate();
                cupsd.waitForFinished(10000);
            }
        });
        // A queue the test makes is taken away again; one that was there stays.
        const bool hadQueue = run(QStringLiteral("lpstat"), {QStringLiteral("-p"), QStringLiteral("PDF")});
        auto removeQueue = qScopeGuard([&] {
            if (!hadQueue)
                run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("PDF")});
        });
        QString out;
        QVERIFY2(run(QStringLiteral("lpadmin"),
                     {"-p", "PDF", "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-o",
                      "pdftops-renderer-default=pdftocairo"},
                     &out),
                 qPrintable(out));
        QVERIFY2(run(QStringLiteral("lpadmin"), {"-d", "PDF"}, &out), qPrintable(out));

        const QString token = QStringLiteral("Spooled%1").arg(QDateTime::currentMSecsSinceEpoch());
        const QDateTime started = QDateTime::currentDateTime().addSecs(-2);
        QtPrinter printer;
        printSample(*printer.startJob(), token);

        const QStringList folders{QDir::homePath() + QStringLiteral("/PDF"), QStringLiteral("/root/PDF"),
                                  QStringLiteral("/var/spool/cups-pdf")};
        QString found;
        auto findPdf = [&] {
            for (const QString& folder : folders) {
                QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
                while (it.hasNext()) {
                    const QString path = it.next();
                    if (QFileInfo(path).lastModified() >= started && test::pdfText(path).contains(token)) {
                        found = path;
                        return true;
                    }
                }
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(findPdf(), 90000);
        const QString text = test::pdfText(found);
        QVERIFY(text.contains(QLatin1String("Drawingword")));
        QFile::remove(found);
    }
};

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
