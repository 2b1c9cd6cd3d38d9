// The About box: one instance at most, its texts after loading, how it closes.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "about/frm_about.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::testing;

class AboutBoxTest : public FormTestCase {
    Q_OBJECT

private slots:
    void builtOnlyWhenAskedFor() {
        QVERIFY(!form_->aboutBox());
        QVERIFY(form_->findChildren<frmAbout*>().isEmpty());
    }

    void showsTheLoadedTexts() {
        frmAbout* about = Open();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("Orvaneのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(Text(*about, "lblTitle"), QStringLiteral("Orvane"));
        QCOMPARE(Text(*about, "lblVersion"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ " ORVANE_EXPECTED_VERSION));
        QCOMPARE(Text(*about, "lblDescription"), QStringLiteral("式入力型関数電卓"));
        QVERIFY(Text(*about, "lblDisclaimer").contains(QStringLiteral("@")));
        auto* ok = Child<QPushButton>(*about, "cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(Activate(*about));
        QCOMPARE(QApplication::focusWidget(), ok);
        QVERIFY(!Child<QLabel>(*about, "picIcon")->pixmap().isNull());
        QCOMPARE(Child(*about, "picIcon")->size(), QSize(32, 32));
    }

    // Every text of the box and the memory displays fits its label, at any
    // dpi the toolkit reports (this suite runs once more at 144 dpi unscaled).
    void textsFitTheirLabels() {
        for (Qt::Key key : {Qt::Key_1, Qt::Key_Slash, Qt::Key_3}) Press(*form_, key);
        for (int n : {1, 25, 26}) Child<QAbstractButton>(*form_, QStringLiteral("Command%1").arg(n))->click();
        QList<QLabel*> labels = Open()->findChildren<QLabel*>();
        for (int n : {3, 4}) labels << Child<QLabel>(*form_, QStringLiteral("Label%1").arg(n));
        for (const QLabel* label : labels) {
            if (label->text().isEmpty()) continue;
            const QRect room = label->contentsRect();
            // The last line may lose its descent, which these texts hardly use.
            const QSize needed = label->wordWrap() ? QSize(room.width(), label->heightForWidth(room.width()))
                                                   : label->sizeHint();
            QVERIFY2(needed.width() <= room.width() &&
                         needed.height() <= room.height() + label->fontMetrics().descent(),
                     qPrintable(label->objectName()));
        }
    }

    void isAModelessToolWindowAtItsPlace() {
        frmAbout* about = Open();
        QVERIFY(about);
        QCOMPARE(about->windowType(), Qt::Tool);
        QVERIFY(!about->isModal());
        QCOMPARE(about->size(), QSize(319, 200));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        // Only the compositor places windows on Wayland. The place is the client
        // area's, inside any frame.
        if (!OnWayland()) {
            const QPoint screenOrigin = about->screen()->geometry().topLeft();
            QCOMPARE(about->geometry().topLeft(), screenOrigin + QPoint(156, 125));
        }
        // The main window keeps working while it is open.
        Press(*form_, Qt::Key_4);
        QCOMPARE(Caption(*form_, 1), QStringLiteral("4"));
    }

    void openingTwiceKeepsOneWindowWithoutReloading() {
        frmAbout* first = Open();
        QVERIFY(first);
        Child<QLabel>(*first, "lblTitle")->setText(QStringLiteral("changed"));
        frmAbout* second = Open();
        QCOMPARE(second, first);
        QCOMPARE(form_->findChildren<frmAbout*>().size(), 1);
        QCOMPARE(Text(*second, "lblTitle"), QStringLiteral("changed"));
    }

    void okClosesItAndTheNextOpenLoadsAfresh() {
        QPointer<frmAbout> first = Open();
        QVERIFY(first);
        Child<QLabel>(*first, "lblTitle")->setText(QStringLiteral("changed"));
        QTest::mouseClick(Child<QPushButton>(*first, "cmdOK"), Qt::LeftButton);
        FlushDeletes();
        QVERIFY(!first);
        QVERIFY(!form_->aboutBox());
        frmAbout* second = Open();
        QVERIFY(second);
        QCOMPARE(Text(*second, "lblTitle"), QStringLiteral("Orvane"));
    }

    void keysClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void keysClose() {
        QFETCH(int, key);
        QPointer<frmAbout> about = Open();
        QVERIFY(about);
        QVERIFY(Activate(*about));
        // Only the press: it closes and deletes the box, window and all, so a
        // release sent afterwards would go to a window that no longer exists.
        QTest::keyPress(about->windowHandle(), Qt::Key(key));
        FlushDeletes();
        QVERIFY(!about);
        // The key went to the About box, not to the calculator behind it.
        QCOMPARE(Caption(*form_, 1), QStringLiteral("式"));
    }

    void exitClosesItAndTheWindow() {
        QPointer<frmAbout> about = Open();
        QVERIFY(about);
        Child<QAction>(*form_, "mnuEnd")->trigger();
        FlushDeletes();
        QVERIFY(!about);
        QVERIFY(!form_->isVisible());
    }

    // Only Exit closes both: closing the calculator with its close box leaves
    // an open About box on screen, restored if it was minimised, and that box
    // alone keeps the program running until it is closed.
    void closingTheWindowLeavesAnOpenBoxRunning_data() {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("box shown") << false;
        QTest::newRow("box minimised") << true;
    }
    void closingTheWindowLeavesAnOpenBoxRunning() {
        QFETCH(bool, minimised);
        QPointer<frmAbout> about = Open();
        QVERIFY(about);
        if (minimised) {
            about->showMinimized();
            QTRY_VERIFY(about->isMinimized());
        }
        const QPoint position = about->pos();
        bool stillRunning = false;
        bool boxStillShown = false;
        QTimer::singleShot(0, form_.get(), [this] { form_->close(); });
        QTimer::singleShot(300, qApp, [&] {
            stillRunning = true;
            boxStillShown = about && about->isVisible() && !about->isMinimized() &&
                            (OnWayland() || about->pos() == position);
            if (about) about->close();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(2); });
        const int status = QApplication::exec();
        QVERIFY(stillRunning);
        QVERIFY(boxStillShown);
        QCOMPARE(status, 0);  // ended by the box closing, not by the timeout
        FlushDeletes();
        QVERIFY(!about);
    }

private:
    frmAbout* Open() {
        Child<QAction>(*form_, "mnuVarjyon")->trigger();
        frmAbout* about = form_->aboutBox();
        if (!about || !QTest::qWaitForWindowExposed(about)) return nullptr;
        return about;
    }
    static QString Text(const QWidget& about, const char* name) {
        auto* label = Child<QLabel>(about, QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
