// Keys, menus and the clipboard as the user reaches them through the window.
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "window_test_support.h"

using namespace orvane;
using namespace orvane::testing;

Q_DECLARE_METATYPE(Qt::Key)

namespace {

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

}  // namespace

Q_DECLARE_METATYPE(QList<KeyPress>)

class WindowInputTest : public FormTestCase {
    Q_OBJECT

private slots:
    // The window previews the key and the focused button sees it as well;
    // the digit must still arrive exactly once.
    void onePressOfFiveAppendsOneFive() {
        Press(*form_, Qt::Key_5);
        QCOMPARE(Caption(*form_, 1), QStringLiteral("5"));
        Press(*form_, Qt::Key_5);
        QCOMPARE(Caption(*form_, 1), QStringLiteral("55"));
    }

    void keysArePreviewedWhereverTheFocusIs_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("evaluate key") << "Command1";
        QTest::newRow("plus key") << "Command14";
        QTest::newRow("small copy key") << "Command23";
        QTest::newRow("sine key") << "Command34";
    }
    void keysArePreviewedWhereverTheFocusIs() {
        QFETCH(QString, focus);
        Child(*form_, focus)->setFocus();
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        Press(*form_, Qt::Key_7);
        Press(*form_, Qt::Key_Plus, Qt::ShiftModifier);
        Press(*form_, Qt::Key_1);
        QCOMPARE(Caption(*form_, 1), QStringLiteral("7+1"));
        // = is the window's: it evaluates, whichever key Enter would press.
        Press(*form_, Qt::Key_Equal);
        QCOMPARE(Caption(*form_, 2), QStringLiteral("8"));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void keyboardTypesWhatTheButtonsType_data() {
        QTest::addColumn<QList<KeyPress>>("keys");
        QTest::addColumn<QString>("label1");
        const auto none = Qt::NoModifier;
        const auto shift = Qt::ShiftModifier;
        const auto pad = Qt::KeypadModifier;
        QTest::newRow("12+3 on the main block") << QList<KeyPress>{{Qt::Key_1, none},
                                                                   {Qt::Key_2, none},
                                                                   {Qt::Key_Plus, shift},
                                                                   {Qt::Key_3, none}}
                                                << "12+3";
        QTest::newRow("parentheses by character") << QList<KeyPress>{{Qt::Key_ParenLeft, shift},
                                                                     {Qt::Key_8, none},
                                                                     {Qt::Key_Minus, none},
                                                                     {Qt::Key_9, none},
                                                                     {Qt::Key_ParenRight, shift}}
                                                  << "(8-9)";
        QTest::newRow("times, divide, power, point")
            << QList<KeyPress>{{Qt::Key_2, none}, {Qt::Key_Asterisk, shift},
                               {Qt::Key_3, none}, {Qt::Key_Slash, none},
                               {Qt::Key_4, none}, {Qt::Key_AsciiCircum, none},
                               {Qt::Key_1, none}, {Qt::Key_Period, none},
                               {Qt::Key_5, none}}
            << "2*3/4^1.5";
        QTest::newRow("keypad zero starts 0.") << QList<KeyPress>{{Qt::Key_0, pad}} << "0.";
        QTest::newRow("keypad operators")
            << QList<KeyPress>{{Qt::Key_7, pad},      {Qt::Key_Asterisk, pad}, {Qt::Key_2, pad},
                               {Qt::Key_Minus, pad},  {Qt::Key_6, pad},        {Qt::Key_Slash, pad},
                               {Qt::Key_3, pad},      {Qt::Key_Plus, pad},     {Qt::Key_1, pad},
                               {Qt::Key_Period, pad}, {Qt::Key_5, pad}}
            << "7*2-6/3+1.5";
        QTest::newRow("backspace removes one character")
            << QList<KeyPress>{{Qt::Key_1, none}, {Qt::Key_2, none}, {Qt::Key_Backspace, none}}
            << "1";
        QTest::newRow("escape clears all")
            << QList<KeyPress>{{Qt::Key_1, none}, {Qt::Key_Plus, shift}, {Qt::Key_Escape, none}}
            << "式";
        QTest::newRow("ctrl+5 is ignored")
            << QList<KeyPress>{{Qt::Key_1, none}, {Qt::Key_5, Qt::ControlModifier}} << "1";
        QTest::newRow("alt+5 is ignored")
            << QList<KeyPress>{{Qt::Key_1, none}, {Qt::Key_5, Qt::AltModifier}} << "1";
        QTest::newRow("shift+5 percent is ignored")
            << QList<KeyPress>{{Qt::Key_1, none}, {Qt::Key_Percent, shift}} << "1";
        QTest::newRow("F10 Right Down Return copies, then keys are the calculator's")
            << QList<KeyPress>{{Qt::Key_1, none}, {Qt::Key_F10, none}, {Qt::Key_Right, none},
                               {Qt::Key_Down, none}, {Qt::Key_Return, none}, {Qt::Key_2, none}}
            << "12";
        QTest::newRow("S types Sin, 3 0 its argument")
            << QList<KeyPress>{{Qt::Key_S, none}, {Qt::Key_3, none}, {Qt::Key_0, none}} << "Sin30";
        QTest::newRow("Shift with a letter, the inverse; P pi, R root")
            << QList<KeyPress>{{Qt::Key_T, shift}, {Qt::Key_P, none}, {Qt::Key_R, none}}
            << "Arctanπ√";
        QTest::newRow("letters with Ctrl or Alt are ignored")
            << QList<KeyPress>{{Qt::Key_1, none},
                               {Qt::Key_S, Qt::ControlModifier},
                               {Qt::Key_P, Qt::AltModifier}}
            << "1";
    }
    void keyboardTypesWhatTheButtonsType() {
        QFETCH(QList<KeyPress>, keys);
        QFETCH(QString, label1);
        for (const KeyPress& press : keys) Press(*form_, press.key, press.modifiers);
        QCOMPARE(Caption(*form_, 1), label1);
    }

    // Ctrl+V and Shift+Insert type the clipboard's text, or refuse it whole.
    void pasteTypesTheClipboardOrNothing_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("label1");
        QTest::newRow("Ctrl+V") << "(1+2)×3" << Qt::Key_V << int(Qt::ControlModifier)
                                << "1+(1+2)*3";
        QTest::newRow("Shift+Insert")
            << "(1+2)×3" << Qt::Key_Insert << int(Qt::ShiftModifier) << "1+(1+2)*3";
        QTest::newRow("a sentence")
            << "172 apples" << Qt::Key_V << int(Qt::ControlModifier) << "1+";
        QTest::newRow("a stray )") << "2)" << Qt::Key_V << int(Qt::ControlModifier) << "1+";
        QTest::newRow("nothing") << "" << Qt::Key_V << int(Qt::ControlModifier) << "1+";
    }
    void pasteTypesTheClipboardOrNothing() {
        QFETCH(QString, clipboard);
        QFETCH(Qt::Key, key);
        QFETCH(int, modifiers);
        QFETCH(QString, label1);
        if (OnWayland()) {
            QSKIP("a Wayland clipboard needs a seat, which a headless compositor has not");
        }
        Press(*form_, Qt::Key_1);
        Press(*form_, Qt::Key_Plus, Qt::ShiftModifier);
        QGuiApplication::clipboard()->setText(clipboard);
        Press(*form_, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Caption(*form_, 1), label1);
    }

    // Keys the window ignores go on to the focused button, which clicks.
    void focusedButtonStillGetsItsKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        QTest::newRow("space on evaluate") << "Command1" << Qt::Key_Space << "2+3"
                                           << "5";
        QTest::newRow("return on evaluate") << "Command1" << Qt::Key_Return << "2+3"
                                            << "5";
        QTest::newRow("keypad enter on evaluate") << "Command1" << Qt::Key_Enter << "2+3"
                                                  << "5";
        QTest::newRow("space on digit 9") << "Command12" << Qt::Key_Space << "2+39"
                                          << "＝";
        QTest::newRow("return on backspace") << "Command22" << Qt::Key_Return << "2+"
                                             << "＝";
    }
    void focusedButtonStillGetsItsKeys() {
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(QString, label1);
        QFETCH(QString, label2);
        Press(*form_, Qt::Key_2);
        Press(*form_, Qt::Key_Plus, Qt::ShiftModifier);
        Press(*form_, Qt::Key_3);
        Child(*form_, focus)->setFocus();
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        Press(*form_, key, modifiers);
        QCOMPARE(Caption(*form_, 1), label1);
        QCOMPARE(Caption(*form_, 2), label2);
    }

    void menusHaveTheirItemsAndNoShortcuts_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");  // name=caption; a separator has no caption
        QTest::newRow("file") << "mnuFail"
                              << "ファイル(&F)" << QStringList{"mnuSikiri=", "mnuEnd=終了(&X)"};
        QTest::newRow("edit") << "mnuHnensyuu"
                              << "編集(&E)"
                              << QStringList{"mnuSikicopy=式をコピー(&C)",
                                             "mnuKotaecopy=答えをコピー(&D)"};
        QTest::newRow("help") << "mnuHelp"
                              << "ヘルプ(&H)" << QStringList{"mnuVarjyon=バージョン情報(&A)"};
    }
    void menusHaveTheirItemsAndNoShortcuts() {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        auto* found = Child<QMenu>(*form_, menu);
        QVERIFY(found);
        QCOMPARE(found->title(), title);
        QVERIFY(form_->menuBar()->actions().contains(found->menuAction()));
        QStringList seen;
        for (QAction* action : found->actions()) {
            seen << action->objectName() + "=" +
                        (action->isSeparator() ? QString() : action->text());
            QVERIFY(action->shortcut().isEmpty());
            // Every entry takes room in the open menu, the leading separator too.
            QVERIFY2(!found->actionGeometry(action).isEmpty(), qPrintable(action->objectName()));
        }
        QCOMPARE(seen, items);
    }

    void copyButtonAndMenuPutTheSameText_data() {
        QTest::addColumn<QList<KeyPress>>("keys");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("expected");
        const auto none = Qt::NoModifier;
        QTest::newRow("idle expression") << QList<KeyPress>{} << "Command23"
                                         << "mnuSikicopy"
                                         << "式";
        QTest::newRow("idle answer") << QList<KeyPress>{} << "Command24"
                                     << "mnuKotaecopy"
                                     << "＝";
        QTest::newRow("typed expression") << QList<KeyPress>{{Qt::Key_ParenLeft, Qt::ShiftModifier},
                                                             {Qt::Key_4, none},
                                                             {Qt::Key_Minus, none}}
                                          << "Command23"
                                          << "mnuSikicopy"
                                          << "(4-";
        QTest::newRow("failure message")
            << QList<KeyPress>{{Qt::Key_4, none}, {Qt::Key_Minus, none}, {Qt::Key_Return, none}}
            << "Command24"
            << "mnuKotaecopy"
            << "式が不完全です";
    }
    void copyButtonAndMenuPutTheSameText() {
        QFETCH(QList<KeyPress>, keys);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QString, expected);
        if (OnWayland()) {
            QSKIP("a Wayland clipboard needs a seat, which a headless compositor has not");
        }
        for (const KeyPress& press : keys) Press(*form_, press.key, press.modifiers);
        const QString label1 = Caption(*form_, 1);
        const QString label2 = Caption(*form_, 2);
        QClipboard* clipboard = QGuiApplication::clipboard();

        clipboard->setText(QStringLiteral("sentinel"));
        QTest::mouseClick(Child<QAbstractButton>(*form_, button), Qt::LeftButton);
        const QString byButton = clipboard->text();

        clipboard->setText(QStringLiteral("sentinel"));
        Child<QAction>(*form_, item)->trigger();
        const QString byMenu = clipboard->text();

        QCOMPARE(byButton, expected);
        QCOMPARE(byMenu, byButton);
        // Copying shows nothing new.
        QCOMPARE(Caption(*form_, 1), label1);
        QCOMPARE(Caption(*form_, 2), label2);
    }
};

QTEST_MAIN(WindowInputTest)
#include "window_input_test.moc"
