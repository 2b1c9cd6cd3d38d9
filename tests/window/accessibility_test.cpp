// What assistive technology reads from the window: each button's name and
// description, each display's name and caption, and the About box's texts,
// all queried through Qt's accessibility interface as a screen reader would.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "about/frm_about.h"
#include "narration/narration.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

}  // namespace

class AccessibilityTest : public FormTestCase {
    Q_OBJECT

private slots:
    // Every button a user can press, with what a screen reader calls it, a
    // word its description must hold and the keyboard key it ends with.
    void usableButtonsAreNamedAndDescribed_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("key");
        auto row = [](int number, const char* name, const char* keyword, const char* key) {
            QTest::addRow("Command%d %s", number, name)
                << number << QString::fromUtf8(name) << QString::fromUtf8(keyword)
                << QString::fromUtf8(key);
        };
        row(1, "equals", "evaluates", "=");
        row(2, "clear all", "clears the expression", "Esc");
        for (int digit = 0; digit <= 9; ++digit) {
            QTest::addRow("Command%d digit %d", digit + 3, digit)
                << digit + 3 << QString::number(digit) << QStringLiteral("digit %1").arg(digit)
                << QString::number(digit);
        }
        row(13, "decimal point", "decimal point", ".");
        row(14, "plus", "plus", "+");
        row(15, "minus", "minus", "-");
        row(16, "times", "times", "*");
        row(17, "divide", "divide", "/");
        row(18, "open parenthesis", "opens", "(");
        row(19, "close parenthesis", "closes", ")");
        row(22, "backspace", "deletes", "Backspace");
        row(23, "copy the expression", "copies the expression", "");
        row(24, "copy the answer", "copies the answer", "");
        row(25, "store the answer in memory 1", "memory 1", "M");
        row(26, "store the answer in memory 2", "memory 2", "Shift+M");
        row(27, "recall memory 1", "memory 1", "L");
        row(28, "recall memory 2", "memory 2", "Shift+L");
        row(29, "clear memory 1", "clears memory 1", "X");
        row(30, "clear memory 2", "clears memory 2", "Shift+X");
        row(31, "power", "power", "^");
        row(32, "root", "root", "R");
        row(33, "pi", "pi", "P");
        row(34, "sine", "sine", "S");
        row(35, "cosine", "cosine", "O");
        row(36, "tangent", "tangent", "T");
        row(37, "arcsine", "arcsine", "Shift+S");
        row(38, "arccosine", "arccosine", "Shift+O");
        row(39, "arctangent", "arctangent", "Shift+T");
        row(40, "cosecant", "cosecant", "C");
        row(41, "secant", "secant", "E");
        row(42, "cotangent", "cotangent", "N");
    }
    void usableButtonsAreNamedAndDescribed() {
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, keyword);
        QFETCH(QString, key);
        auto* button = Child<QAbstractButton>(*form_, QStringLiteral("Command%1").arg(number));
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        QAccessibleInterface* iface = Accessible(button);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), name);
        const QString description = iface->text(QAccessible::Description);
        QVERIFY2(description.contains(keyword, Qt::CaseInsensitive), qPrintable(description));
        if (key.isEmpty()) {
            QVERIFY(description.endsWith(QLatin1Char('.')));
        } else {
            // The evaluate key's description goes on with the answer.
            const QString ending = QStringLiteral(". Key: ") + key;
            QVERIFY2(
                number == 1 ? description.contains(ending + u' ') : description.endsWith(ending),
                qPrintable(description));
        }
        // Pressing through the interface does what a click does.
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    void everyUsableButtonIsCovered() {
        // The rows above must not fall behind the keypad.
        int usable = 0;
        for (QAbstractButton* button : form_->findChildren<QAbstractButton*>()) {
            if (button->objectName().startsWith(QStringLiteral("Command")) && button->isEnabled()) {
                ++usable;
            }
        }
        QCOMPARE(usable, 40);
    }

    // The three missing inverse functions are drawn but can never be pressed;
    // a screen reader must say so.
    void unavailableButtonsSayThatTheyAreUnavailable_data() {
        QTest::addColumn<int>("number");
        QTest::addRow("Command43 inverse cosecant") << 43;
        QTest::addRow("Command44 inverse secant") << 44;
        QTest::addRow("Command45 inverse cotangent") << 45;
    }
    void unavailableButtonsSayThatTheyAreUnavailable() {
        QFETCH(int, number);
        QAccessibleInterface* iface =
            Accessible(Child(*form_, QStringLiteral("Command%1").arg(number)));
        QVERIFY(iface);
        QVERIFY(iface->state().disabled);
        QVERIFY(iface->text(QAccessible::Name).contains(QStringLiteral("not available")));
        QVERIFY(iface->text(QAccessible::Description).contains(QStringLiteral("not available")));
    }

    // Each display is named for what it shows and offers its caption as its
    // value and as text, after start-up and after the caption changes.
    void displaysExposeNameAndCaption_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");  // signs as words, a memory by name
        QTest::addRow("Label1 expression") << 1 << QStringLiteral("expression")
                                           << QStringLiteral("12+3") << QStringLiteral("12 plus 3");
        QTest::addRow("Label2 answer") << 2 << QStringLiteral("answer") << QStringLiteral("15")
                                       << QStringLiteral("15");
        QTest::addRow("Label3 memory 1") << 3 << QStringLiteral("memory 1") << QStringLiteral("15")
                                         << QStringLiteral("memory 1, 15");
        QTest::addRow("Label4 memory 2") << 4 << QStringLiteral("memory 2") << QStringLiteral("15")
                                         << QStringLiteral("memory 2, 15");
    }
    void displaysExposeNameAndCaption() {
        QFETCH(int, label);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        // 1 2 + 3 =, then store the answer in both memories.
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3}) Press(*form_, key);
        for (int number : {1, 25, 26}) {
            Child<QAbstractButton>(*form_, QStringLiteral("Command%1").arg(number))->click();
        }
        QVERIFY(Caption(*form_, label).endsWith(caption));

        QAccessibleInterface* iface =
            Accessible(Child(*form_, QStringLiteral("Label%1").arg(label)));
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        QCOMPARE(iface->text(QAccessible::Value), Caption(*form_, label));
        QVERIFY(iface->state().readOnly);
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), spoken.size());
        QCOMPARE(text->text(0, text->characterCount()), spoken);
    }

    void startUpCaptionsAreReadable() {
        QStringList values;
        for (int label = 1; label <= 4; ++label) {
            values << Accessible(Child(*form_, QStringLiteral("Label%1").arg(label)))
                          ->text(QAccessible::Value);
        }
        QCOMPARE(values, QStringList({QStringLiteral("式"), QStringLiteral("＝"),
                                      QStringLiteral("Memory 1"), QStringLiteral("Memory 2")}));
    }

    // The menus and their items carry names and descriptions of their own,
    // and are still operated through the interface.
    void menusAreNamedAndDescribed_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("name");
        auto row = [](const char* object, const char* name) {
            QTest::newRow(object) << QString(object) << QString(name);
        };
        row("mnuFail", "File");
        row("mnuEnd", "Exit");
        row("mnuHnensyuu", "Edit");
        row("mnuSikicopy", "Copy expression");
        row("mnuKotaecopy", "Copy answer");
        row("mnuHelp", "Help");
        row("mnuVarjyon", "Version information");
    }
    void menusAreNamedAndDescribed() {
        QFETCH(QString, object);
        QFETCH(QString, name);
        QAccessibleInterface* item = Accessible(form_->findChild<QAction*>(object));
        QVERIFY(item);
        QCOMPARE(item->role(), QAccessible::MenuItem);
        QCOMPARE(item->text(QAccessible::Name), name);
        QVERIFY(item->text(QAccessible::Description).endsWith(QLatin1Char('.')));
        QVERIFY(item->parent());
        QVERIFY(item->parent()->indexOfChild(item) >= 0);
        QVERIFY(item->actionInterface());
    }

    void menuItemsArePressedThroughTheInterface() {
        QAccessibleInterface* help = Accessible(form_->findChild<QAction*>("mnuHelp"));
        QCOMPARE(help->childCount(), 1);
        QCOMPARE(help->child(0)->role(), QAccessible::PopupMenu);
        QAccessibleInterface* version = help->child(0)->child(0);
        QVERIFY(version);
        QCOMPARE(version->text(QAccessible::Name), QStringLiteral("Version information"));
        version->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(form_->aboutBox());
    }

    // After each evaluation, and only then, the answer notification appears
    // afresh with the answer in the user's words; after other keys, while a
    // screen reader listens, a brief one says what the key did (the end-to-end
    // test hears the rest). = evaluate, S store in memory 1, R recall it,
    // M clear it, B backspace, X copy the expression, E Esc, anything else typed.
    void keysAreHeard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("heard");
        auto row = [](const char* name, const char* keys, const char* answer, const char* heard,
                      bool listening = true) {
            QTest::newRow(name) << QString::fromUtf8(keys) << listening << QString::fromUtf8(answer)
                                << QString::fromUtf8(heard);
        };
        // Keys typed at once: the first is said at once, the rest gathered
        // for the next saying, or given up for the answer.
        row("answer", "2+3*4=", "14", "2");
        row("message", "2+=", "The expression is incomplete.", "2");
        row("backspace", "2+3B", "", "plus 3 deleted 3");
        row("store", "2+3=S", "5", "memory 1 stored: 5");
        row("clear a memory", "M", "", "memory 1 cleared");
        row("recall", "2*4=SER", "8", "cleared memory 1 recalled: 8");
        row("signs as words", "7/8-9^2", "", "divided by 8 minus 9 to the power of 2");
        row("copy", "2+3=X", "5", "copied 2 plus 3");
        row("nobody listening", "2+3", "", "", false);
    }
    void keysAreHeard() {
        QFETCH(QString, keys);
        QFETCH(bool, listening);
        QFETCH(QString, answer);
        QFETCH(QString, heard);
        form_.reset();
        FlushDeletes();
        form_ = ShowForm();
        QVERIFY(form_);
        QAccessible::setActive(listening);
        auto* notification = Child(*form_, QStringLiteral("answerNotification"));
        auto* line = Child(*form_, QStringLiteral("keyNotificationLine"));
        QVERIFY(notification && line);
        QCOMPARE(Accessible(notification)->role(), QAccessible::Notification);
        QCOMPARE(Accessible(line)->role(), QAccessible::StatusBar);
        auto* brief = line->findChild<QWidget*>();
        const QString buttons = QStringLiteral("=SRMBX");
        const int numbers[] = {1, 25, 27, 29, 22, 23};
        for (QChar key : keys) {
            if (buttons.contains(key)) {
                Child<QAbstractButton>(
                    *form_, QStringLiteral("Command%1").arg(numbers[buttons.indexOf(key)]))
                    ->click();
            } else {
                Press(*form_, key == QLatin1Char('E') ? Qt::Key_Escape
                                                      : static_cast<Qt::Key>(key.unicode()));
            }
        }
        QTest::qWait(Narration::kBurstMs + 300);  // what waited is said
        QCOMPARE(Accessible(brief)->text(QAccessible::Name), heard);
        QCOMPARE(Accessible(notification)->text(QAccessible::Name), answer);
        QVERIFY(brief->focusPolicy() == Qt::NoFocus && brief->size().isEmpty());
        QAccessible::setActive(false);
    }

    // The About box reads out as it shows: title, version, description,
    // disclaimer, a named icon and the OK button.
    void aboutBoxIsReadable() {
        form_->findChild<QAction*>(QStringLiteral("mnuVarjyon"))->trigger();
        frmAbout* about = form_->aboutBox();
        QVERIFY(about);
        // In the user's words (the end-to-end test hears the version).
        QCOMPARE(Accessible(about)->text(QAccessible::Name),
                 QStringLiteral("Orvane version information"));
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
            QVERIFY(!Accessible(Child(*about, name))->text(QAccessible::Name).isEmpty());
        }
        QAccessibleInterface* icon = Accessible(Child(*about, QStringLiteral("picIcon")));
        QCOMPARE(icon->role(), QAccessible::Graphic);
        QVERIFY(icon->text(QAccessible::Name).contains(QStringLiteral("Orvane")));
        QAccessibleInterface* ok = Accessible(Child(*about, QStringLiteral("cmdOK")));
        QCOMPARE(ok->role(), QAccessible::Button);
        QCOMPARE(ok->text(QAccessible::Name), QStringLiteral("OK"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
