// Every window at start-up against its snapshot in tests/data/windows/qt.

#include "WindowSnapshot.h"

#include <Golden.h>

#include <AboutBox.h>
#include <CompletionDialog.h>
#include <Form1.h>

using namespace velb::testing;

namespace {

void compareWithFile(const char* file, const std::string& snapshot) {
    QCOMPARE(QString::fromStdString(snapshot),
             QString::fromStdString(golden(std::string(VELB_TEST_DATA "/windows/qt/") + file, snapshot)));
}

} // namespace

class WindowSnapshotTest : public QObject {
    Q_OBJECT

private slots:
    void form1() { compareWithFile("Form1.txt", windowSnapshot(velb::Form1())); }
    void aboutBox() { compareWithFile("AboutBox.txt", windowSnapshot(velb::AboutBox())); }
    void completion() { compareWithFile("CompletionDialog.txt", windowSnapshot(velb::CompletionDialog())); }
};

QTEST_MAIN(WindowSnapshotTest)
#include "WindowSnapshotTest.moc"
