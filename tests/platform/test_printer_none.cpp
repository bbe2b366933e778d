// With no print service reachable there is no default printer: starting a job is an error
// the caller can report, never a crash or a silent success.
#include "platform/QtPrinter.h"

#include <QTest>

class TestPrinterNone : public QObject
{
    Q_OBJECT

private slots:
    void noDefaultPrinter()
    {
        bs::QtPrinter printer;
        try {
            printer.startJob();
            QFAIL("a job started without a printer");
        } catch (const bs::PrintError& error) {
            QVERIFY(QByteArray(error.what()).size() > 0);
        }
    }
};

QTEST_MAIN(TestPrinterNone)
#include "test_printer_none.moc"
