// Every window at start-up against its snapshot in tests/data/windows/qt.

#include "WindowSnapshot.h"

#include <AboutBox.h>
#include <CompletionDialog.h>
#include <Form1.h>

using namespace velb::testing;

class WindowSnapshotTest : public QObject {
    Q_OBJECT

private slots:
    void form1() { QVERIFY(matchesSnapshot("qt/Form1.txt", windowSnapshot(velb::Form1()))); }
    void aboutBox() { QVERIFY(matchesSnapshot("qt/AboutBox.txt", windowSnapshot(velb::AboutBox()))); }
    void completion() { QVERIFY(matchesSnapshot("qt/CompletionDialog.txt", windowSnapshot(velb::CompletionDialog()))); }
};

QTEST_MAIN(WindowSnapshotTest)
#include "WindowSnapshotTest.moc"
