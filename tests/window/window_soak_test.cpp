// A long random session with the real window: clicks on every button, key
// presses with random modifiers, copies, and the About box opening and
// closing, one event at a time. After each event the engine's record must
// be consistent and the four labels must show exactly the engine's captions.
//
// The session is seeded and reproducible. ORVANE_SOAK_SEED picks the seed,
// ORVANE_SOAK_EVENTS the number of events (100000 unless set). A failure
// names the seed, the index of the event and the events that led to it.
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <utility>

#include "about/frm_about.h"
#include "entry/invariants.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240917;
constexpr long kDefaultEvents = 100000;
constexpr std::size_t kHistory = 60;  // events shown before a failing one

std::uint64_t SeedFromEnvironment() {
    const QByteArray text = qgetenv("ORVANE_SOAK_SEED");
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok, 0);
    return ok ? seed : kDefaultSeed;
}

long EventsFromEnvironment() {
    const QByteArray text = qgetenv("ORVANE_SOAK_EVENTS");
    bool ok = false;
    const long count = text.toLong(&ok);
    return ok && count > 0 ? count : kDefaultEvents;
}

// A key the session may press. Weight is how often, relative to the others.
struct SoakKey {
    Qt::Key key;
    const char* name;
    int weight;
};

// Digits and operators come often, so that real expressions form and get
// evaluated; clear keys rarely, so that they grow between clears.
constexpr std::array<SoakKey, 43> kKeys = {{
    {Qt::Key_0, "0", 6},
    {Qt::Key_1, "1", 6},
    {Qt::Key_2, "2", 6},
    {Qt::Key_3, "3", 6},
    {Qt::Key_4, "4", 6},
    {Qt::Key_5, "5", 6},
    {Qt::Key_6, "6", 6},
    {Qt::Key_7, "7", 6},
    {Qt::Key_8, "8", 6},
    {Qt::Key_9, "9", 6},
    {Qt::Key_Period, "Period", 5},
    {Qt::Key_Comma, "Comma", 1},
    {Qt::Key_Plus, "Plus", 6},
    {Qt::Key_Minus, "Minus", 7},
    {Qt::Key_Asterisk, "Asterisk", 5},
    {Qt::Key_Slash, "Slash", 5},
    {Qt::Key_AsciiCircum, "AsciiCircum", 4},
    {Qt::Key_ParenLeft, "ParenLeft", 6},
    {Qt::Key_ParenRight, "ParenRight", 6},
    {Qt::Key_Backspace, "Backspace", 5},
    {Qt::Key_Escape, "Escape", 2},
    {Qt::Key_Return, "Return", 3},
    {Qt::Key_Enter, "Enter", 2},
    {Qt::Key_Space, "Space", 3},
    {Qt::Key_Tab, "Tab", 5},
    {Qt::Key_Backtab, "Backtab", 2},
    {Qt::Key_Percent, "Percent", 1},
    {Qt::Key_Equal, "Equal", 1},
    {Qt::Key_Colon, "Colon", 1},
    {Qt::Key_Semicolon, "Semicolon", 1},
    {Qt::Key_S, "S", 1},
    {Qt::Key_P, "P", 1},
    {Qt::Key_M, "M", 1},
    {Qt::Key_Delete, "Delete", 1},
    {Qt::Key_Left, "Left", 1},
    {Qt::Key_Down, "Down", 1},
    {Qt::Key_F1, "F1", 1},
    {Qt::Key_F2, "F2", 1},
    {Qt::Key_V, "V", 1},
    {Qt::Key_Insert, "Insert", 1},
    {Qt::Key_Shift, "Shift", 1},
    {Qt::Key_Control, "Control", 1},
    {Qt::Key_Select, "Select", 1},
}};
// No bare Alt and no Alt with the menu bar's access letters F, E and H: those
// walk into the menus, where Enter could choose the exit command.

// What an event may change.
enum class Effect {
    Anything,        // the engine may act; only the consistency checks apply
    Nothing,         // record, captions and clipboard stay as they were
    CopyExpression,  // record and captions stay; the clipboard holds Label1's text
    CopyAnswer,      // the same with Label2
    MaybeCopy,       // a key on a focused Copy button: anything, but the clipboard
                     // either stays or holds that button's caption
};

QString ModifierPrefix(Qt::KeyboardModifiers m) {
    QString text;
    if (m & Qt::ShiftModifier) text += QStringLiteral("Shift+");
    if (m & Qt::ControlModifier) text += QStringLiteral("Ctrl+");
    if (m & Qt::AltModifier) text += QStringLiteral("Alt+");
    if (m & Qt::KeypadModifier) text += QStringLiteral("Keypad+");
    return text;
}

// The offscreen platform cannot raise windows and says so each time the
// About box is brought forward; the session does that thousands of times.
QtMessageHandler previousHandler = nullptr;
void QuietAboutRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()")) return;
    previousHandler(type, context, message);
}

// What the session got up to, to show that it reached the interesting places.
struct Tally {
    long clicks = 0;
    long keysToCalculator = 0;
    long keysToAboutBox = 0;
    long copies = 0;
    long aboutOpened = 0;
    long aboutClosed = 0;
    long answers = 0;   // times Label2 turned to a new number
    long messages = 0;  // times it turned to a message
    int longestExpression = 0;
    QSet<QChar> shown;  // every character the displays showed
};

class Session {
public:
    Session(Form1& form, std::uint64_t seed) : form_(form), random_(seed) {
        for (int n = 1; n <= 45; ++n) {
            buttons_[n - 1] = Child<QAbstractButton>(form_, QStringLiteral("Command%1").arg(n));
        }
        copyExpression_ = Child<QAction>(form_, QStringLiteral("mnuSikicopy"));
        copyAnswer_ = Child<QAction>(form_, QStringLiteral("mnuKotaecopy"));
        version_ = Child<QAction>(form_, QStringLiteral("mnuVarjyon"));
        for (const SoakKey& key : kKeys) keyWeightTotal_ += key.weight;
        // A Wayland compositor without a seat, as a headless one, refuses
        // the clipboard; the copies must then leave everything else alone.
        QGuiApplication::clipboard()->setText(QStringLiteral("before the session"));
        clipboardWritable_ =
            QGuiApplication::clipboard()->text() == QStringLiteral("before the session");
    }

    bool complete() const {
        for (const QAbstractButton* button : buttons_) {
            if (!button) return false;
        }
        return copyExpression_ && copyAnswer_ && version_;
    }

    // Runs one random event and checks the window afterwards. Returns an
    // empty text, or what went wrong.
    QString Step(QString& description) {
        const State before = Snapshot();
        const bool aboutWasOpen = form_.aboutBox() != nullptr;
        const Effect effect = RunRandomEvent(description);
        // Let a closed About box go, as the event loop would.
        FlushDeletes();
        if (++sinceEvents_ == 16) {
            sinceEvents_ = 0;
            QCoreApplication::processEvents();  // paints, activation changes
        }
        // A popup that opened anyway is shut the way a user would shut it.
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        Count(before, effect, aboutWasOpen);
        return Check(before, effect);
    }

    const Tally& tally() const { return tally_; }

private:
    struct State {
        CalculatorState record;
        std::array<QString, 4> captions;
        QString clipboard;
    };

    State Snapshot() const {
        State state{form_.calculator().state(), {}, QGuiApplication::clipboard()->text()};
        for (int i = 0; i < 4; ++i) state.captions[i] = Caption(form_, i + 1);
        return state;
    }

    void Count(const State& before, Effect effect, bool aboutWasOpen) {
        if (effect == Effect::CopyExpression || effect == Effect::CopyAnswer) ++tally_.copies;
        const bool aboutIsOpen = form_.aboutBox() != nullptr;
        if (!aboutWasOpen && aboutIsOpen) ++tally_.aboutOpened;
        if (aboutWasOpen && !aboutIsOpen) ++tally_.aboutClosed;
        const QString answer = Caption(form_, 2);
        if (answer != before.captions[1] && answer != QStringLiteral("＝")) {
            bool number = false;
            answer.toDouble(&number);
            ++(number ? tally_.answers : tally_.messages);
        }
        for (int i = 1; i <= 4; ++i)
            for (const QChar c : Caption(form_, i)) tally_.shown.insert(c);
        tally_.longestExpression =
            std::max(tally_.longestExpression, static_cast<int>(Caption(form_, 1).size()));
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    Effect RunRandomEvent(QString& description) {
        const int roll = Below(1000);
        if (roll < 420) return ClickButton(description);
        if (roll < 900) return PressKey(description);
        if (roll < 940) return CopyByMenu(description);
        if (roll < 960) return OpenAbout(description);
        if (roll < 985) return CloseAbout(description);
        return Activate(description);
    }

    Effect ClickButton(QString& description) {
        // Now and then evaluate or clear on purpose, so that expressions get
        // evaluated while still short enough to be complete.
        const int number = Below(8) == 0 ? (Below(3) == 0 ? 2 : 1) : Below(45) + 1;
        QAbstractButton* button = buttons_[number - 1];
        const bool available = !IsUnavailable(number);
        ++tally_.clicks;
        Effect effect = Effect::Anything;
        if (!available) effect = Effect::Nothing;
        if (number == 23) effect = Effect::CopyExpression;
        if (number == 24) effect = Effect::CopyAnswer;

        switch (Below(3)) {
            case 0:
                description = QStringLiteral("click() on Command%1").arg(number);
                button->click();
                break;
            case 1:
                // The mouse on the button itself; a disabled one never gets it.
                description = QStringLiteral("mouse click on Command%1").arg(number);
                if (available)
                    QTest::mouseClick(button, Qt::LeftButton);
                else
                    QTest::mouseClick(form_.windowHandle(), Qt::LeftButton, {},
                                      CentreInWindow(*button));
                break;
            default:
                // The mouse on the window where the button stands, routed by
                // the toolkit like a real click.
                description = QStringLiteral("window click at Command%1").arg(number);
                QTest::mouseClick(form_.windowHandle(), Qt::LeftButton, {},
                                  CentreInWindow(*button));
                break;
        }
        return effect;
    }

    // The buttons the user can never press.
    static bool IsUnavailable(int number) {
        return number == 20 || number == 21 || number == 43 || number == 44 || number == 45;
    }

    QPoint CentreInWindow(const QWidget& widget) const {
        // The window's own coordinates are those of the top-level widget.
        return widget.mapTo(&form_, widget.rect().center());
    }

    Qt::KeyboardModifiers RandomModifiers() {
        const int roll = Below(100);
        if (roll < 50) return Qt::NoModifier;
        if (roll < 70) return Qt::ShiftModifier;
        if (roll < 80) return Qt::KeypadModifier;
        if (roll < 87) return Qt::ControlModifier;
        if (roll < 93) return Qt::AltModifier;
        if (roll < 96) return Qt::ShiftModifier | Qt::ControlModifier;
        if (roll < 98) return Qt::ShiftModifier | Qt::AltModifier;
        return Qt::ControlModifier | Qt::AltModifier;
    }

    const SoakKey& RandomKey() {
        int roll = Below(keyWeightTotal_);
        for (const SoakKey& key : kKeys) {
            if (roll < key.weight) return key;
            roll -= key.weight;
        }
        return kKeys.back();
    }

    Effect PressKey(QString& description) {
        const SoakKey& key = RandomKey();
        const Qt::KeyboardModifiers modifiers = RandomModifiers();

        // Keys go where the user's keyboard goes: the active window. With
        // none active the user first clicks the calculator.
        QWidget* target = QApplication::activeWindow();
        if (!target) {
            ActivateAndWait(form_);
            target = QApplication::activeWindow();
            if (!target) target = &form_;
        }
        const bool toForm = target == &form_;
        QWidget* focus = target->focusWidget();
        description =
            QStringLiteral("key %1%2 to %3 (focus %4)")
                .arg(ModifierPrefix(modifiers), QString::fromLatin1(key.name), target->objectName(),
                     focus ? focus->objectName() : QStringLiteral("none"));
        if (toForm)
            QTest::keyClick(target->windowHandle(), key.key, modifiers);
        else
            KeyClickClosing(target->windowHandle(), key.key, modifiers);

        ++(toForm ? tally_.keysToCalculator : tally_.keysToAboutBox);
        if (!toForm) return Effect::Nothing;  // the About box has the keyboard
        const bool pressesButton = key.key == Qt::Key_Space || key.key == Qt::Key_Return ||
                                   key.key == Qt::Key_Enter || key.key == Qt::Key_Select;
        if (pressesButton) {
            if (focus && (focus->objectName() == QLatin1String("Command23") ||
                          focus->objectName() == QLatin1String("Command24"))) {
                maybeCopyOf_ = focus->objectName() == QLatin1String("Command23") ? 1 : 2;
                return Effect::MaybeCopy;
            }
            return Effect::Anything;
        }
        // Ctrl+V and Shift+Insert paste what the copies left on the clipboard.
        const bool pastes = (key.key == Qt::Key_V && modifiers == Qt::ControlModifier) ||
                            (key.key == Qt::Key_Insert && modifiers == Qt::ShiftModifier);
        if (pastes) return Effect::Anything;
        // The keyboard handler and the window's commands ignore every other
        // chord with Ctrl or Alt, and nothing else acts on these keys.
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return Effect::Nothing;
        switch (key.key) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Shift:
            case Qt::Key_Control:
            case Qt::Key_Delete:
            case Qt::Key_F1:
            case Qt::Key_F2:  // says the expression, and changes nothing
            case Qt::Key_V:
            case Qt::Key_Insert:
            case Qt::Key_Percent:
                return Effect::Nothing;
            default:
                return Effect::Anything;
        }
    }

    Effect CopyByMenu(QString& description) {
        if (Below(2) == 0) {
            description = QStringLiteral("menu mnuSikicopy");
            copyExpression_->trigger();
            return Effect::CopyExpression;
        }
        description = QStringLiteral("menu mnuKotaecopy");
        copyAnswer_->trigger();
        return Effect::CopyAnswer;
    }

    Effect OpenAbout(QString& description) {
        description = QStringLiteral("menu mnuVarjyon");
        version_->trigger();
        QCoreApplication::processEvents();
        return Effect::Nothing;
    }

    Effect CloseAbout(QString& description) {
        frmAbout* about = form_.aboutBox();
        if (!about) {
            description = QStringLiteral("close the About box (none open)");
            return Effect::Nothing;
        }
        switch (Below(5)) {
            case 0:
                description = QStringLiteral("About box: click OK");
                QTest::mouseClick(Child<QPushButton>(*about, QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
                break;
            case 1:
                description = QStringLiteral("About box: Esc");
                ActivateAndWait(*about);
                KeyClickClosing(about->windowHandle(), Qt::Key_Escape, Qt::NoModifier);
                break;
            case 2:
                description = QStringLiteral("About box: Enter");
                ActivateAndWait(*about);
                KeyClickClosing(about->windowHandle(), Qt::Key_Return, Qt::NoModifier);
                break;
            case 3:
                description = QStringLiteral("About box: close()");
                about->close();
                break;
            default:
                // The close box: the window system asks the window to close.
                description = QStringLiteral("About box: close box");
                about->windowHandle()->close();
                break;
        }
        QCoreApplication::processEvents();
        return Effect::Nothing;
    }

    Effect Activate(QString& description) {
        frmAbout* about = form_.aboutBox();
        if (about && Below(2) == 0) {
            description = QStringLiteral("activate the About box");
            ActivateAndWait(*about);
        } else {
            description = QStringLiteral("activate the calculator window");
            ActivateAndWait(form_);
        }
        return Effect::Nothing;
    }

    // A key click on a window the key may close, such as the About box.
    // QTest::keyClick processes events after each key event it sends, and the
    // closed box is deleted there, window and all; the release of the key
    // and of the modifiers must then not be sent to it. So the click is sent
    // piece by piece, each piece only while the window is still there.
    static void KeyClickClosing(QWindow* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        const QPointer<QWindow> window(target);
        QTest::keyPress(window, key, modifiers);  // the modifiers, then the key
        if (!window) return;
        QTest::keyRelease(window, key, Qt::NoModifier);  // the key alone
        const std::array<std::pair<Qt::KeyboardModifier, Qt::Key>, 3> held = {{
            {Qt::ShiftModifier, Qt::Key_Shift},
            {Qt::ControlModifier, Qt::Key_Control},
            {Qt::AltModifier, Qt::Key_Alt},
        }};
        for (const auto& [modifier, modifierKey] : held) {
            if (!window) return;
            if (modifiers & modifier) QTest::keyRelease(window, modifierKey, Qt::NoModifier);
        }
    }

    static void ActivateAndWait(QWidget& window) {
        window.activateWindow();
        QCoreApplication::processEvents();
    }

    QString Check(const State& before, Effect effect) const {
        const Calculator& calculator = form_.calculator();
        const std::string violation = FindInvariantViolation(calculator);
        if (!violation.empty()) {
            return QStringLiteral("engine invariant broken: ") + QString::fromStdString(violation);
        }
        const State after = Snapshot();
        for (int i = 0; i < 4; ++i) {
            const QString engine =
                QString::fromStdU16String(calculator.Caption(static_cast<Label>(i + 1)));
            if (after.captions[i] != engine) {
                return QStringLiteral("Label%1 shows \"%2\" but the engine says \"%3\"")
                    .arg(i + 1)
                    .arg(after.captions[i], engine);
            }
        }
        if (!form_.isVisible()) return QStringLiteral("the calculator window is no longer shown");
        const qsizetype aboutBoxes = form_.findChildren<frmAbout*>().size();
        if (aboutBoxes > 1) return QStringLiteral("%1 About boxes exist").arg(aboutBoxes);
        if (aboutBoxes == 1 && !form_.aboutBox()) {
            return QStringLiteral("an About box exists that the window has lost");
        }
        if (const QWidget* focus = form_.focusWidget()) {
            const auto* button = qobject_cast<const QAbstractButton*>(focus);
            if (!button || !button->isEnabled() || !button->isVisible()) {
                return QStringLiteral("the focus is on %1, not on an available button")
                    .arg(focus->objectName());
            }
        }

        const bool recordKept = after.record == before.record && after.captions == before.captions;
        switch (effect) {
            case Effect::Anything:
                if (after.clipboard != before.clipboard) {
                    return QStringLiteral("the clipboard changed to \"%1\"").arg(after.clipboard);
                }
                break;
            case Effect::Nothing:
                if (!recordKept) return QStringLiteral("the event changed the calculator");
                if (after.clipboard != before.clipboard) {
                    return QStringLiteral("the clipboard changed to \"%1\"").arg(after.clipboard);
                }
                break;
            case Effect::CopyExpression:
            case Effect::CopyAnswer: {
                if (!recordKept) return QStringLiteral("copying changed the calculator");
                const int label = effect == Effect::CopyExpression ? 1 : 2;
                if (clipboardWritable_ && after.clipboard != after.captions[label - 1]) {
                    return QStringLiteral("the clipboard holds \"%1\", Label%2 shows \"%3\"")
                        .arg(after.clipboard)
                        .arg(label)
                        .arg(after.captions[label - 1]);
                }
                break;
            }
            case Effect::MaybeCopy:
                if (after.clipboard != before.clipboard &&
                    after.clipboard != after.captions[maybeCopyOf_ - 1]) {
                    return QStringLiteral("the clipboard holds \"%1\", Label%2 shows \"%3\"")
                        .arg(after.clipboard)
                        .arg(maybeCopyOf_)
                        .arg(after.captions[maybeCopyOf_ - 1]);
                }
                break;
        }
        return {};
    }

    Form1& form_;
    std::mt19937_64 random_;
    std::array<QAbstractButton*, 45> buttons_{};
    QAction* copyExpression_ = nullptr;
    QAction* copyAnswer_ = nullptr;
    QAction* version_ = nullptr;
    int keyWeightTotal_ = 0;
    int sinceEvents_ = 0;
    int maybeCopyOf_ = 1;
    bool clipboardWritable_ = true;
    Tally tally_;
};

}  // namespace

class WindowSoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomSessionKeepsWindowAndEngineInStep() {
        const std::uint64_t seed = SeedFromEnvironment();
        const long events = EventsFromEnvironment();
        previousHandler = qInstallMessageHandler(QuietAboutRaise);
        auto form = ShowForm();
        QVERIFY(form);
        Session session(*form, seed);
        QVERIFY2(session.complete(), "a button or menu command is missing");
        std::deque<QString> history;
        const auto start = std::chrono::steady_clock::now();
        for (long index = 0; index < events; ++index) {
            QString description;
            const QString failure = session.Step(description);
            history.push_back(description);
            if (history.size() > kHistory) history.pop_front();
            if (!failure.isEmpty()) {
                QString report = QStringLiteral(
                                     "seed %1, event %2 of %3: %4\n  after: %5\n"
                                     "  repeat with ORVANE_SOAK_SEED=%1 ORVANE_SOAK_EVENTS=%6\n"
                                     "  the last %7 events, oldest first:\n")
                                     .arg(seed)
                                     .arg(index)
                                     .arg(events)
                                     .arg(failure, description)
                                     .arg(index + 1)
                                     .arg(history.size());
                long number = index - static_cast<long>(history.size()) + 1;
                for (const QString& line : history) {
                    report += QStringLiteral("    #%1 %2\n").arg(number++).arg(line);
                }
                report += QStringLiteral("  displays: [%1] [%2] [%3] [%4]")
                              .arg(Caption(*form, 1), Caption(*form, 2), Caption(*form, 3),
                                   Caption(*form, 4));
                QFAIL(qPrintable(report));
            }
        }
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const Tally& tally = session.tally();
        qInfo(
            "seed %llu: %ld events in %.1f s: %ld clicks, %ld keys to the calculator and %ld "
            "to the About box, %ld copies, About box opened %ld and closed %ld times, "
            "%ld answers and %ld messages shown, longest expression %d characters",
            static_cast<unsigned long long>(seed), events, seconds, tally.clicks,
            tally.keysToCalculator, tally.keysToAboutBox, tally.copies, tally.aboutOpened,
            tally.aboutClosed, tally.answers, tally.messages, tally.longestExpression);
        // The displays' face merges no fallback faces: it must have them all.
        const QFont font = Child<QLabel>(*form, QStringLiteral("Label2"))->font();
        QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
        for (const QChar c : tally.shown)
            QVERIFY2(QRawFont::fromFont(font).supportsCharacter(c), qPrintable(QString(c)));
    }
};

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"
