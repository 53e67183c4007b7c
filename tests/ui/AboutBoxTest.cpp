// The About box: its texts and looks, Enter and Esc, at most one of them, and that it
// keeps the program alive after the main window has closed.

#include <AboutBox.h>
#include <Form1.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QList<QWidget*> visibleAboutBoxes() {
    QList<QWidget*> boxes;
    for (auto* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmAbout" && window->isVisible())
            boxes << window;
    }
    return boxes;
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsTexts();
    void enterAndEscClose_data();
    void enterAndEscClose();
    void aboutShowsOneBoxThatOutlivesTheMainWindow();
};

void AboutBoxTest::showsItsTexts() {
    velb::AboutBox box;
    QCOMPARE(box.windowTitle(), "關於 Velbrix...");
    QCOMPARE(box.size(), QSize(382, 210));
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const auto text = [&](const char* name) { return box.findChild<QLabel*>(name)->text(); };
    QCOMPARE(text("lblTitle"), "Velbrix");
    QCOMPARE(text("lblVersion"), "版本 1.1 beta 1217");
    QCOMPARE(text("lblDescription"),
             "這是一支用來處理資源檔的小程式，它可以將您之前所翻譯過的舊版資源檔，拿出來與新版對照，"
             "一但內容相符就會替您置換過去，省去相當的時間進行人工比較，歡迎使用。");
    QCOMPARE(text("Label1"), "程式設計:");
    QCOMPARE(text("lblDisclaimer"), "Velbrix 開發團隊 <velbrix@example.com>");
    QCOMPARE(box.findChild<QPushButton*>("cmdOK")->text(), "確定");
    QCOMPARE(box.findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(box.findChild<QLabel*>("lblDisclaimer")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QVERIFY(box.findChild<QLabel*>("lblTitle")->font().bold());
    QCOMPARE(box.findChild<QLabel*>("picIcon")->pixmap().size(), QSize(32, 32));
    QCOMPARE(box.findChild<QWidget*>("Line1_1")->palette().color(QPalette::Window), QColor(128, 128, 128));
    QCOMPARE(box.findChild<QWidget*>("Line1_0")->palette().color(QPalette::Window), QColor(Qt::white));
    // A click at the centre of a control's twips rectangle lands on it.
    QCOMPARE(box.childAt((4455 + 1050 / 2) / 15, (2625 + 345 / 2) / 15), box.findChild<QPushButton*>("cmdOK"));
    QCOMPARE(box.childAt((1020 + 4425 / 2) / 15, (780 + 1260 / 2) / 15), box.findChild<QLabel*>("lblDescription"));
}

void AboutBoxTest::enterAndEscClose_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void AboutBoxTest::enterAndEscClose() {
    QFETCH(int, key);
    QPointer box = new velb::AboutBox;
    box->show();
    QVERIFY(QTest::qWaitForWindowActive(box));
    QCOMPARE(QApplication::focusWidget(), box->findChild<QPushButton*>("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    // Closing unloads the box.
    QTRY_VERIFY(box.isNull());
}

void AboutBoxTest::aboutShowsOneBoxThatOutlivesTheMainWindow() {
    auto* form = new velb::Form1;
    form->show();
    auto* about = form->findChild<QPushButton*>("Command6");
    QTest::mouseClick(about, Qt::LeftButton);
    QTest::mouseClick(about, Qt::LeftButton);
    QCOMPARE(visibleAboutBoxes().size(), 1);
    QPointer box = visibleAboutBoxes().constFirst();

    bool aboutOutlivedForm = false;
    QTimer::singleShot(0, box, [&] {
        form->close();
        delete form;
        aboutOutlivedForm = box && box->isVisible();
        box->close();
    });
    QObject guard;
    QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); }); // the program failed to end
    // The program ends only when the About box, its last window, has closed.
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(aboutOutlivedForm);
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
