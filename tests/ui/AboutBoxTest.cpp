// The About box, which starts, centred, as its snapshot shows: at most one of them, and that it
// keeps the program alive after the main window has closed, until Enter or Esc closes it.

#include <AboutBox.h>
#include <Form1.h>

#include <QtTest>
#include <QtWidgets>

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void oneBoxOutlivesTheMainWindowUntilEnterOrEsc() {
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            auto* form = new velb::Form1;
            form->show();
            auto* about = form->findChild<QPushButton*>("Command6");
            QTest::mouseClick(about, Qt::LeftButton);
            QTest::mouseClick(about, Qt::LeftButton);
            auto boxes = QApplication::topLevelWidgets();
            boxes.removeIf([](QWidget* window) { return window->objectName() != "frmAbout" || !window->isVisible(); });
            QCOMPARE(boxes.size(), 1);
            QPointer box = boxes.constFirst();
            bool outlived = false;
            QTimer::singleShot(0, box, [&] {
                form->close();
                delete form;
                outlived = box && box->isVisible();
                QTest::keyClick(box->focusWidget(), key);
            });
            QObject guard;
            QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); }); // the box never closed
            // The program ends only when the About box, its last window, has closed.
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(outlived);
            QTRY_VERIFY(box.isNull()); // closing deletes the box
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
