// The results folder's shared switch and class lists: the switch decides over the machine's
// setting once a teacher sets it; class lists keep Welsh names, skip damaged lines, stop at
// their limits, and two programs updating them at once both land.
#include "results/ClassSettings.h"
#include "worksheetdata/DataError.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace bs;

Q_DECLARE_METATYPE(std::vector<ClassList>)

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString inFolder(const QTemporaryDir& dir, const char16_t* name)
{
    return dir.filePath(QString::fromUtf16(name));
}

} // namespace

class TestClassSettings : public QObject
{
    Q_OBJECT

private slots:
    void switchDecidesOverTheMachine_data()
    {
        QTest::addColumn<QByteArray>("switchFile"); // "-": no file
        QTest::addColumn<QString>("machine");
        QTest::addColumn<bool>("kept");
        QTest::newRow("neither") << QByteArray("-") << QString() << false;
        QTest::newRow("machine on") << QByteArray("-") << QStringLiteral(" ON ") << true;
        QTest::newRow("machine other") << QByteArray("-") << QStringLiteral("yes") << false;
        QTest::newRow("switch off wins") << QByteArray("off\n") << QStringLiteral("on") << false;
        QTest::newRow("switch on wins") << QByteArray(" On\r\n") << QString() << true;
        QTest::newRow("damaged switch") << QByteArray("maybe") << QStringLiteral("on") << true;
    }
    void switchDecidesOverTheMachine()
    {
        QFETCH(QByteArray, switchFile);
        QFETCH(QString, machine);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        if (switchFile != "-")
            writeFile(inFolder(dir, ResultsSwitchFileName), switchFile);
        QCOMPARE(resultsKept(dir.path(), machine), kept);
    }

    void classListsRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<std::vector<ClassList>>("lists");
        const QString ffion = QStringLiteral("Dosbarth Ffion");
        const QString gwen = QStringLiteral("Gwenllian ŵyr Llŷr");
        QTest::newRow("Welsh names, CR LF, a class with no pupils")
            << QByteArray("\xEF\xBB\xBF") + ffion.toUtf8() + "\t" + gwen.toUtf8() + "\r\nYear 5\t\r\n"
            << std::vector<ClassList>{{ffion, {gwen}}, {QStringLiteral("Year 5"), {}}};
        const QByteArray tooLong(MaxPupilName + 1, 'a');
        QTest::newRow("damaged lines skipped")
            << QByteArray("no tab\n\tNo class\nYear 6\t") + tooLong + "\nYear 6\tAnn\nYear 6\tAnn\n\xFF\n"
            << std::vector<ClassList>{{QStringLiteral("Year 6"), {QStringLiteral("Ann")}}};
        QByteArray many;
        for (int c = 0; c <= MaxClasses; ++c)
            many += "Class " + QByteArray::number(c) + "\t\n";
        for (int p = 0; p <= MaxPupilsInClass; ++p)
            many += "Class 0\tPupil " + QByteArray::number(p) + "\n";
        std::vector<ClassList> cut;
        for (int c = 0; c < MaxClasses; ++c)
            cut.push_back({QStringLiteral("Class %1").arg(c), {}});
        for (int p = 0; p < MaxPupilsInClass; ++p)
            cut[0].pupils.append(QStringLiteral("Pupil %1").arg(p));
        QTest::newRow("limits") << many << cut;
    }
    void classListsRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(std::vector<ClassList>, lists);
        QTemporaryDir dir;
        QVERIFY(readClassLists(dir.path()).empty());
        writeFile(inFolder(dir, ClassListsFileName), file);
        QVERIFY(readClassLists(dir.path()) == lists);
        // Written back whole, the lists read the same.
        updateClassLists(dir.path(), [](std::vector<ClassList>&) {});
        QVERIFY(readClassLists(dir.path()) == lists);
    }

    void namesRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("Welsh") << QStringLiteral("Dafydd ap Gruffydd ŵ") << false;
        QTest::newRow("blank") << QStringLiteral("  ") << true;
        QTest::newRow("tab") << QStringLiteral("A\tB") << true;
        QTest::newRow("line break") << QStringLiteral("A\nB") << true;
        QTest::newRow("too long") << QString(MaxPupilName + 1, u'x') << true;
    }
    void namesRefused()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(!pupilNameProblem(name).isEmpty(), refused);
        QCOMPARE(!classNameProblem(name.left(MaxClassName + 1)).isEmpty(), refused);
    }

    void twoProgramsUpdatingAtOnceBothLand()
    {
        QTemporaryDir dir;
        constexpr int Pupils = 20;
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(BS_CLASS_LISTS_WRITER), {dir.path(), QStringLiteral("Year 3"), QString::number(Pupils)});
        second.start(QStringLiteral(BS_CLASS_LISTS_WRITER), {dir.path(), QStringLiteral("Year 4"), QString::number(Pupils)});
        QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        const auto lists = readClassLists(dir.path());
        QCOMPARE(lists.size(), size_t(2));
        for (const ClassList& list : lists)
            QCOMPARE(list.pupils.size(), Pupils);
    }

    void unwritableFolderThrows()
    {
        // A plain file where the folder should be: nothing can be written there, even as root.
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("results"));
        writeFile(folder, "not a folder");
        QVERIFY_THROWS_EXCEPTION(DataError, updateClassLists(folder, [](std::vector<ClassList>&) {}));
        QVERIFY_THROWS_EXCEPTION(DataError, writeResultsSwitch(folder, true));
        QVERIFY(readClassLists(folder).empty());
    }
};

QTEST_GUILESS_MAIN(TestClassSettings)
#include "test_classsettings.moc"
