// Toolkit key events → the key table's actions, for the key events US,
// Japanese, German and French layouts deliver. The same character must give
// the same action whichever physical key and Shift state produced it; ^ is
// the power key also where it is a dead key.
#include "window/key_translation.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QTest>
#include <array>
#include <vector>

#include "tables/key_table.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::testing;

Q_DECLARE_METATYPE(orvane::KeyAction)

namespace {

// A key press as X11 delivers it on one layout: the Qt key and text, the
// modifiers, the X keycode of the physical key and its keysym.
struct LayoutKey {
    int key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    quint32 keysym;

    QKeyEvent Event() const {
        const quint32 nativeModifiers =
            (modifiers & Qt::ShiftModifier ? 0x1 : 0) |
            (modifiers & Qt::KeypadModifier ? 0x10 : 0);  // Shift, NumLock
        return QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, keysym, nativeModifiers,
                         QString::fromUtf8(text));
    }
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

// Physical keys (X keycodes, evdev) that the layouts label differently.
constexpr quint32 kKeyGrave = 49, kKey5 = 14, kKey6 = 15, kKey7 = 16, kKey8 = 17, kKey9 = 18,
                  kKey0 = 19, kKeyMinus = 20, kKeyEqual = 21, kKeyBracketRight = 35,
                  kKeyBracketLeft = 34, kKeySemicolon = 47, kKeyApostrophe = 48, kKeyBackslash = 51,
                  kKeyComma = 59, kKeyPeriod = 60, kKeySlash = 61;
constexpr quint32 kDeadCircumflex = 0xfe52;

enum Layout { kUs, kJp, kDe, kFr, kLayoutCount };
constexpr const char* kLayoutNames[kLayoutCount] = {"us", "jp", "de", "fr"};

// The main-block digit d: unshifted, except on the French layout.
LayoutKey Digit(int d, Layout layout = kUs) {
    static const char* const texts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return {Qt::Key_0 + d, texts[d], layout == kFr ? kShift : kNone,
            d == 0 ? kKey0 : quint32(9 + d), quint32(0x30 + d)};
}

// The keypad digit d with NumLock on.
LayoutKey KeypadDigit(int d) {
    static const char* const texts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const quint32 codes[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    return {Qt::Key_0 + d, texts[d], kKeypad, codes[d], quint32(0xffb0 + d)};
}

// One key of the table as each layout types it, as Qt on X11 reports it
// after `setxkbmap us`, `jp`, `de` and `fr`.
struct LayoutRow {
    QByteArray name;
    KeyAction action;
    std::array<LayoutKey, kLayoutCount> press;  // us, jp, de, fr
};

std::vector<LayoutRow> LayoutRows() {
    constexpr KeyAction digits[] = {KeyAction::Digit0, KeyAction::Digit1, KeyAction::Digit2,
                                    KeyAction::Digit3, KeyAction::Digit4, KeyAction::Digit5,
                                    KeyAction::Digit6, KeyAction::Digit7, KeyAction::Digit8,
                                    KeyAction::Digit9};
    auto same = [](LayoutKey key) {
        return std::array<LayoutKey, kLayoutCount>{key, key, key, key};
    };
    // A printable character of the main block: where each layout puts it.
    struct Place {
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
    };
    auto character = [](int key, const char* text, std::array<Place, kLayoutCount> places) {
        std::array<LayoutKey, kLayoutCount> presses{};
        for (int layout = 0; layout < kLayoutCount; ++layout) {
            presses[layout] = {key, text, places[layout].modifiers, places[layout].scanCode,
                               quint32(text[0])};
        }
        return presses;
    };
    std::vector<LayoutRow> rows;
    for (int d = 0; d <= 9; ++d) {
        rows.push_back({"main " + QByteArray::number(d),
                        digits[d],
                        {Digit(d, kUs), Digit(d, kJp), Digit(d, kDe), Digit(d, kFr)}});
        rows.push_back({"keypad " + QByteArray::number(d), digits[d], same(KeypadDigit(d))});
    }
    const LayoutKey keypadPoint{Qt::Key_Period, ".", kKeypad, 91, 0xffae};
    const LayoutKey deadCircumflexDe{Qt::Key_Dead_Circumflex, "", kNone, kKeyGrave,
                                     kDeadCircumflex};
    const LayoutKey deadCircumflexFr{Qt::Key_Dead_Circumflex, "", kNone, kKeyBracketLeft,
                                     kDeadCircumflex};
    rows.insert(
        rows.end(),
        {
            {"keypad point",
             KeyAction::Point,
             {keypadPoint, keypadPoint, {Qt::Key_Comma, ",", kKeypad, 91, 0xffac}, keypadPoint}},
            {"main point", KeyAction::Point,
             character(Qt::Key_Period, ".",
                       {{{kNone, kKeyPeriod},
                         {kNone, kKeyPeriod},
                         {kNone, kKeyPeriod},
                         {kShift, kKeyComma}}})},
            {"keypad plus", KeyAction::Plus, same({Qt::Key_Plus, "+", kKeypad, 86, 0xffab})},
            {"keypad minus", KeyAction::Minus, same({Qt::Key_Minus, "-", kKeypad, 82, 0xffad})},
            {"keypad times", KeyAction::Times, same({Qt::Key_Asterisk, "*", kKeypad, 63, 0xffaa})},
            {"keypad divide", KeyAction::Divide, same({Qt::Key_Slash, "/", kKeypad, 106, 0xffaf})},
            {"main minus", KeyAction::Minus,
             character(
                 Qt::Key_Minus, "-",
                 {{{kNone, kKeyMinus}, {kNone, kKeyMinus}, {kNone, kKeySlash}, {kNone, kKey6}}})},
            {"main divide", KeyAction::Divide,
             character(Qt::Key_Slash, "/",
                       {{{kNone, kKeySlash},
                         {kNone, kKeySlash},
                         {kShift, kKey7},
                         {kShift, kKeyPeriod}}})},
            {"backspace", KeyAction::Backspace, same({Qt::Key_Backspace, "\b", kNone, 22, 0xff08})},
            {"escape", KeyAction::ClearAll, same({Qt::Key_Escape, "\x1b", kNone, 9, 0xff1b})},
            {"power",
             KeyAction::Power,
             {LayoutKey{Qt::Key_AsciiCircum, "^", kShift, kKey6, 0x5e},
              LayoutKey{Qt::Key_AsciiCircum, "^", kNone, kKeyEqual, 0x5e}, deadCircumflexDe,
              deadCircumflexFr}},
            {"open parenthesis", KeyAction::OpenParen,
             character(Qt::Key_ParenLeft, "(",
                       {{{kShift, kKey9}, {kShift, kKey8}, {kShift, kKey8}, {kNone, kKey5}}})},
            {"close parenthesis", KeyAction::CloseParen,
             character(Qt::Key_ParenRight, ")",
                       {{{kShift, kKey0}, {kShift, kKey9}, {kShift, kKey9}, {kNone, kKeyMinus}}})},
            {"times", KeyAction::Times,
             character(Qt::Key_Asterisk, "*",
                       {{{kShift, kKey8},
                         {kShift, kKeyApostrophe},
                         {kShift, kKeyBracketRight},
                         {kNone, kKeyBackslash}}})},
            {"plus", KeyAction::Plus,
             character(Qt::Key_Plus, "+",
                       {{{kShift, kKeyEqual},
                         {kShift, kKeySemicolon},
                         {kNone, kKeyBracketRight},
                         {kShift, kKeyEqual}}})},
        });
    return rows;
}

LayoutKey Press(const QByteArray& row, Layout layout) {
    for (const LayoutRow& r : LayoutRows()) {
        if (r.name == row) return r.press[layout];
    }
    qFatal("no layout row %s", row.constData());
}

}  // namespace

Q_DECLARE_METATYPE(LayoutKey)

class KeyTranslationTest : public QObject {
    Q_OBJECT

private slots:
    // Chords, keys with no row, dead keys and odd events; the table's own
    // rows, as each layout types them, are in everyLayoutReachesEveryTableRow.
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
        row("text wins over key code", Qt::Key_8, "(", shift, false, KeyAction::OpenParen);
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
        row("dead circumflex with its text", Qt::Key_Dead_Circumflex, "^", none, false,
            KeyAction::Power);
        row("ctrl+dead circumflex", Qt::Key_Dead_Circumflex, "", ctrl, false, KeyAction::None);
        row("FR: ^ with AltGr", Qt::Key_AsciiCircum, "^", Qt::GroupSwitchModifier, false,
            KeyAction::Power);
        row("DE: dead acute", Qt::Key_Dead_Acute, "", none, false, KeyAction::None);
        row("FR: dead diaeresis", Qt::Key_Dead_Diaeresis, "", shift, false, KeyAction::None);
        row("DE: dead grave", Qt::Key_Dead_Grave, "", shift, false, KeyAction::None);
        row("shift+keypad +", Qt::Key_Plus, "+", shift, true, KeyAction::None);
        row("shift+keypad -", Qt::Key_Minus, "-", shift, true, KeyAction::None);
        row("shift+keypad *", Qt::Key_Asterisk, "*", shift, true, KeyAction::None);
        row("shift+keypad /", Qt::Key_Slash, "/", shift, true, KeyAction::None);
        row("shift+keypad .", Qt::Key_Period, ".", shift, true, KeyAction::None);
        row("ctrl+keypad +", Qt::Key_Plus, "+", ctrl, true, KeyAction::None);
    }
    void eventsReachTheTableAction() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, keypad);
        QFETCH(KeyAction, action);
        const std::optional<VirtualKey> translated = TranslateKey(key, text, modifiers, keypad);
        const KeyAction got =
            translated ? LookUpKey(translated->keyCode, translated->mask) : KeyAction::None;
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
        QTest::newRow("dead circumflex")
            << int(Qt::Key_Dead_Circumflex) << "" << none << false << 222 << 0;
        QTest::newRow("shift+keypad +") << int(Qt::Key_Plus) << "+" << shift << true << 107 << 1;
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
        QCOMPARE(int(translated->mask), mask);
    }

    // Every row of the key table, typed on each layout: every press must
    // reach the row's action through the same table key as on the Japanese
    // layout the table describes, although for the shifted characters and ^
    // they come from different keys.
    void everyLayoutReachesEveryTableRow_data() {
        QTest::addColumn<LayoutKey>("press");
        QTest::addColumn<LayoutKey>("jp");
        QTest::addColumn<KeyAction>("action");
        for (const LayoutRow& row : LayoutRows()) {
            for (int layout = 0; layout < kLayoutCount; ++layout) {
                const QByteArray name = kLayoutNames[layout] + QByteArray(": ") + row.name;
                QTest::newRow(name.constData())
                    << row.press[layout] << row.press[kJp] << row.action;
            }
        }
    }
    void everyLayoutReachesEveryTableRow() {
        QFETCH(LayoutKey, press);
        QFETCH(LayoutKey, jp);
        QFETCH(KeyAction, action);
        const std::optional<VirtualKey> fromLayout = TranslateKey(press.Event());
        const std::optional<VirtualKey> fromJp = TranslateKey(jp.Event());
        QVERIFY(fromLayout);
        QVERIFY(fromJp);
        QCOMPARE(fromLayout->keyCode, fromJp->keyCode);
        QCOMPARE(fromLayout->mask, fromJp->mask);
        QCOMPARE(static_cast<int>(LookUpKey(fromLayout->keyCode, fromLayout->mask)),
                 static_cast<int>(action));
    }

    // The same physical keys mean different characters on different layouts;
    // what counts is the character, so these must not reach the table rows
    // their position would suggest.
    void physicalPositionDoesNotDecide_data() {
        QTest::addColumn<LayoutKey>("press");
        QTest::addColumn<KeyAction>("action");
        QTest::newRow("US shift+8 is * not (")
            << LayoutKey{Qt::Key_Asterisk, "*", kShift, kKey8, 0x2a} << KeyAction::Times;
        QTest::newRow("JP shift+9 is ) not (")
            << LayoutKey{Qt::Key_ParenRight, ")", kShift, kKey9, 0x29} << KeyAction::CloseParen;
        QTest::newRow("US equals key unshifted is =, not ^")
            << LayoutKey{Qt::Key_Equal, "=", kNone, kKeyEqual, 0x3d} << KeyAction::None;
        QTest::newRow("US apostrophe is not times")
            << LayoutKey{Qt::Key_Apostrophe, "'", kNone, kKeyApostrophe, 0x27} << KeyAction::None;
        QTest::newRow("JP shift+minus is =, not minus")
            << LayoutKey{Qt::Key_Equal, "=", kShift, kKeyMinus, 0x3d} << KeyAction::None;
        QTest::newRow("JP shift+0 gives nothing")
            << LayoutKey{Qt::Key_unknown, "", kShift, kKey0, 0} << KeyAction::None;
        QTest::newRow("US shift+semicolon is colon, not plus")
            << LayoutKey{Qt::Key_Colon, ":", kShift, kKeySemicolon, 0x3a} << KeyAction::None;
    }
    void physicalPositionDoesNotDecide() {
        QFETCH(LayoutKey, press);
        QFETCH(KeyAction, action);
        const std::optional<VirtualKey> key = TranslateKey(press.Event());
        const KeyAction got = key ? LookUpKey(key->keyCode, key->mask) : KeyAction::None;
        QCOMPARE(static_cast<int>(got), static_cast<int>(action));
    }

    // A whole expression typed into the window on each layout, with the same
    // expression and the same answer at the end. On German and French
    // layouts the 2 after the dead ^ is taken as typed.
    void everyLayoutTypesTheSameExpression_data() {
        QTest::addColumn<int>("layout");
        for (int layout = 0; layout < kLayoutCount; ++layout) {
            QTest::newRow(kLayoutNames[layout]) << layout;
        }
    }
    void everyLayoutTypesTheSameExpression() {
        QFETCH(int, layout);
        std::unique_ptr<Form1> form = ShowForm();
        QVERIFY(form);
        // (1+2)*3^2-4/0.5 with a keypad 5
        const char* const keys[] = {"open parenthesis",
                                    "main 1",
                                    "plus",
                                    "main 2",
                                    "close parenthesis",
                                    "times",
                                    "main 3",
                                    "power",
                                    "main 2",
                                    "main minus",
                                    "main 4",
                                    "main divide",
                                    "main 0",
                                    "main point",
                                    "keypad 5"};
        for (const char* key : keys) {
            QKeyEvent event = Press(key, Layout(layout)).Event();
            QCoreApplication::sendEvent(form->windowHandle(), &event);
        }
        Child<QAbstractButton>(*form, QStringLiteral("Command1"))->click();
        QCOMPARE(Caption(*form, 1), QStringLiteral("(1+2)*3^2-4/0.5"));
        QCOMPARE(Caption(*form, 2), QStringLiteral("19"));
    }
};

QTEST_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
