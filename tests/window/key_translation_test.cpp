// Toolkit key events → the key table's actions, for the key events a US and
// a Japanese layout deliver. The same character must give the same action
// whichever physical key and Shift state produced it.
#include "app/key_translation.h"

#include <QTest>

#include "app/key_table.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::KeyAction)

class KeyTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void eventsReachTheTableAction_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<KeyAction>("action");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers alt = Qt::AltModifier;
        auto row = [](const char* name, int key, const char* text, Qt::KeyboardModifiers mods,
                      bool keypad, KeyAction action) {
            QTest::newRow(name) << key << QString::fromUtf8(text) << mods << keypad << action;
        };
        row("both: 0", Qt::Key_0, "0", none, false, KeyAction::Digit0);
        row("both: 9", Qt::Key_9, "9", none, false, KeyAction::Digit9);
        row("US: ( is shift+9", Qt::Key_ParenLeft, "(", shift, false, KeyAction::OpenParen);
        row("JP: ( is shift+8", Qt::Key_ParenLeft, "(", shift, false, KeyAction::OpenParen);
        row("US: ) is shift+0", Qt::Key_ParenRight, ")", shift, false, KeyAction::CloseParen);
        row("US: * is shift+8", Qt::Key_Asterisk, "*", shift, false, KeyAction::Times);
        row("JP: * is shift+colon", Qt::Key_Asterisk, "*", shift, false, KeyAction::Times);
        row("US: + is shift+equals", Qt::Key_Plus, "+", shift, false, KeyAction::Plus);
        row("JP: + is shift+semicolon", Qt::Key_Plus, "+", shift, false, KeyAction::Plus);
        row("US: ^ is shift+6", Qt::Key_AsciiCircum, "^", shift, false, KeyAction::Power);
        row("JP: ^ has its own key", Qt::Key_AsciiCircum, "^", none, false, KeyAction::Power);
        row("both: minus", Qt::Key_Minus, "-", none, false, KeyAction::Minus);
        row("both: slash", Qt::Key_Slash, "/", none, false, KeyAction::Divide);
        row("both: period", Qt::Key_Period, ".", none, false, KeyAction::Point);
        row("text wins over key code", Qt::Key_8, "(", shift, false, KeyAction::OpenParen);
        row("keypad 0", Qt::Key_0, "0", none, true, KeyAction::Digit0);
        row("keypad 7", Qt::Key_7, "7", none, true, KeyAction::Digit7);
        row("keypad *", Qt::Key_Asterisk, "*", none, true, KeyAction::Times);
        row("keypad +", Qt::Key_Plus, "+", none, true, KeyAction::Plus);
        row("keypad -", Qt::Key_Minus, "-", none, true, KeyAction::Minus);
        row("keypad /", Qt::Key_Slash, "/", none, true, KeyAction::Divide);
        row("keypad .", Qt::Key_Period, ".", none, true, KeyAction::Point);
        row("keypad decimal comma", Qt::Key_Comma, ",", none, true, KeyAction::Point);
        row("backspace", Qt::Key_Backspace, "\b", none, false, KeyAction::Backspace);
        row("escape", Qt::Key_Escape, "\x1b", none, false, KeyAction::ClearAll);
        row("ctrl+5 without text", Qt::Key_5, "", ctrl, false, KeyAction::None);
        row("ctrl+5 with text", Qt::Key_5, "5", ctrl, false, KeyAction::None);
        row("alt+5", Qt::Key_5, "5", alt, false, KeyAction::None);
        row("ctrl+shift+(", Qt::Key_ParenLeft, "", ctrl | shift, false, KeyAction::None);
        row("ctrl+backspace", Qt::Key_Backspace, "", ctrl, false, KeyAction::None);
        row("shift+backspace", Qt::Key_Backspace, "\b", shift, false, KeyAction::None);
        row("shift+5 percent", Qt::Key_Percent, "%", shift, false, KeyAction::None);
        row("US: equals", Qt::Key_Equal, "=", none, false, KeyAction::None);
        row("JP: colon", Qt::Key_Colon, ":", none, false, KeyAction::None);
        row("space", Qt::Key_Space, " ", none, false, KeyAction::None);
        row("return", Qt::Key_Return, "\r", none, false, KeyAction::None);
        row("keypad enter", Qt::Key_Enter, "\r", none, true, KeyAction::None);
        row("letter s", Qt::Key_S, "s", none, false, KeyAction::None);
        row("shift alone", Qt::Key_Shift, "", shift, false, KeyAction::None);
    }
    void eventsReachTheTableAction() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, keypad);
        QFETCH(KeyAction, action);
        const std::optional<VirtualKey> translated = TranslateKey(key, text, modifiers, keypad);
        const KeyAction got =
            translated ? LookUpKey(translated->keyCode, translated->shift) : KeyAction::None;
        QCOMPARE(static_cast<int>(got), static_cast<int>(action));
    }

    // The codes themselves: Windows virtual keys of the Japanese layout.
    void virtualKeyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("mask");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        QTest::newRow("(") << int(Qt::Key_ParenLeft) << "(" << shift << false << 56 << 1;
        QTest::newRow(")") << int(Qt::Key_ParenRight) << ")" << shift << false << 57 << 1;
        QTest::newRow("*") << int(Qt::Key_Asterisk) << "*" << shift << false << 186 << 1;
        QTest::newRow("+") << int(Qt::Key_Plus) << "+" << shift << false << 187 << 1;
        QTest::newRow("-") << int(Qt::Key_Minus) << "-" << none << false << 189 << 0;
        QTest::newRow("/") << int(Qt::Key_Slash) << "/" << none << false << 191 << 0;
        QTest::newRow(".") << int(Qt::Key_Period) << "." << none << false << 190 << 0;
        QTest::newRow("^ shifted on US")
            << int(Qt::Key_AsciiCircum) << "^" << shift << false << 222 << 0;
        QTest::newRow("3") << int(Qt::Key_3) << "3" << none << false << 51 << 0;
        QTest::newRow("keypad 3") << int(Qt::Key_3) << "3" << none << true << 99 << 0;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << "*" << none << true << 106 << 0;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << "+" << none << true << 107 << 0;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << "-" << none << true << 109 << 0;
        QTest::newRow("keypad .") << int(Qt::Key_Period) << "." << none << true << 110 << 0;
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << "/" << none << true << 111 << 0;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << none << false << 8 << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << none << false << 27 << 0;
        QTest::newRow("ctrl+5") << int(Qt::Key_5) << ""
                                << Qt::KeyboardModifiers(Qt::ControlModifier) << false << 53 << 2;
        QTest::newRow("ctrl+alt+5")
            << int(Qt::Key_5) << "" << (Qt::ControlModifier | Qt::AltModifier) << false << 53 << 6;
    }
    void virtualKeyCodes() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, keypad);
        QFETCH(int, code);
        QFETCH(int, mask);
        const std::optional<VirtualKey> translated = TranslateKey(key, text, modifiers, keypad);
        QVERIFY(translated);
        QCOMPARE(int(translated->keyCode), code);
        QCOMPARE(int(translated->shift), mask);
    }
};

QTEST_GUILESS_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
