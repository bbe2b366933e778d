// Where the program looks for its content: beside itself in a build tree, in the data folder
// of an installed layout. A wrong choice starts the program with no pictures and no sounds.
#include "platform/Content.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace bs;

class TestContentFolder : public QObject
{
    Q_OBJECT

private slots:
    void findsTheContent_data()
    {
        QTest::addColumn<QStringList>("contentFolders");
        QTest::addColumn<QString>("expected");
        const QString program = QStringLiteral("usr/lib/brellinshore");
        const QString installed = QStringLiteral("usr/share/brellinshore");
        QTest::newRow("build tree") << QStringList{program} << program;
        QTest::newRow("installed") << QStringList{installed} << installed;
        QTest::newRow("beside the program wins") << QStringList{program, installed} << program;
        // Both folders exist but hold no content: the program's own folder, where the
        // missing files are then named.
        QTest::newRow("no content") << QStringList{} << program;
    }

    void findsTheContent()
    {
        QFETCH(QStringList, contentFolders);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("usr/lib/brellinshore"));
        QDir(root.path()).mkpath(QStringLiteral("usr/share/brellinshore"));
        for (const QString& folder : contentFolders)
            QVERIFY(QDir(root.path()).mkpath(folder + QStringLiteral("/Images")));

        const QString found = findContentFolder(root.filePath(QStringLiteral("usr/lib/brellinshore")),
                                                QStringLiteral("../../share/brellinshore"));
        QCOMPARE(found, root.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(TestContentFolder)
#include "test_content_folder.moc"
