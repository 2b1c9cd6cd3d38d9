#include "window/form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "about/frm_about.h"
#include "faces/face_button.h"
#include "faces/icon.h"
#include "input/calculator_input.h"
#include "speech/display_accessible.h"
#include "speech/key_speech.h"
#include "speech/menu_accessible.h"
#include "tables/button_table.h"
#include "tables/display_table.h"
#include "window/key_translation.h"
#include "window/window_menu_bar.h"
#include "window_kit/fixed_window_state.h"
#include "window_kit/twips.h"
#include "window_kit/whole_steps.h"
#include "window_kit/window_fonts.h"

namespace orvane {
namespace {

// The client area below the menu bar, in twips.
constexpr int kClientWidth = 8730;
constexpr int kClientHeight = 2985;

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent), calculator_(*this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvane"));
    setWindowIcon(ProgramIcon());
    // The application's font, not only the window's: the menus, tooltips and
    // the About box's button then draw in the same face, which has every
    // character they show, instead of a Latin face merged with fallbacks.
    QApplication::setFont(WindowFont());
    // Fixed frame: minimize and close, but neither maximize nor resize.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    setCentralWidget(BuildClientArea());
    menuBar_ = new WindowMenuBar(this);
    setMenuBar(menuBar_);
    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    CountSizeStepsFromFixedSize(*this);
    KeepWindowStateNormal(*this);

    // Key preview: the window sees every key before the focused button does.
    qApp->installEventFilter(this);

    calculator_.Form_Load();
    findChild<QWidget*>(QStringLiteral("Command1"))->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1() {
    // An About box that outlived the window (see closeEvent) is no longer
    // our child, so Qt would not take it down with us.
    if (about_ && about_->parent() == nullptr) delete about_;
}

void Form1::closeEvent(QCloseEvent* event) {
    // The program runs until its last window is closed: an About box still
    // open stays on screen as a window of its own, and the program ends when
    // it is closed. Exit from the menu closes both at once.
    // A box minimised along with the window comes back restored: with the
    // window gone, nothing else would show it again.
    if (about_) {
        const QPoint position = about_->pos();
        about_->setParent(nullptr, about_->windowFlags());
        about_->setAttribute(Qt::WA_QuitOnClose, true);
        about_->move(position);
        ShowAboutBox();
    }
    QMainWindow::closeEvent(event);
}

frmAbout* Form1::aboutBox() const { return about_; }

QWidget* Form1::BuildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 255));
    client->setPalette(palette);
    BuildDisplays(client);
    BuildButtons(client);
    speech_ = std::make_unique<KeySpeech>(client);
    input_ = std::make_unique<CalculatorInput>(
        calculator_, speech_->narration(), [this](KeyAction action) { speech_->Running(action); });
    return client;
}

void Form1::BuildDisplays(QWidget* client) {
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 255));
    palette.setColor(QPalette::WindowText, Qt::black);
    for (const DisplayRow& display : kDisplays) {
        QWidget* holder = client;
        QRect place = TwipsToPixels(display.rect);
        if (display.label == Label::Answer) {
            holder = NewStatusBar(client);
            holder->setGeometry(place);
            place.moveTo(0, 0);
        }
        auto* label = new QLabel(holder);
        label->setObjectName(QStringLiteral("Label%1").arg(static_cast<int>(display.label)));
        label->setGeometry(place);
        label->setAutoFillBackground(true);
        label->setPalette(palette);
        label->setFont(DisplayFont());
        // Captions are shown as typed, never as markup; right-justified so the
        // end of a long expression, where typing happens, stays in view.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFocusPolicy(Qt::NoFocus);
        MakeDisplayAccessible(label, display.label);
        label->setText(QString::fromUtf16(display.initialCaption));
        labels_[static_cast<int>(display.label) - 1] = label;
    }
}

void Form1::BuildButtons(QWidget* client) {
    std::vector<FaceButton*> focusOrder;
    for (const ButtonSpec& row : kButtons) {
        auto* button = new FaceButton(row, client);
        if (row.action == KeyAction::None) {
            button->setEnabled(false);
            button->setFocusPolicy(Qt::NoFocus);
            // The caption-only ones would show a bare control name; they keep
            // their place in the grid but are not drawn.
            if (row.family == FaceFamily::CaptionOnly) button->hide();
            continue;
        }
        connect(button, &QAbstractButton::clicked, this, [this, number = row.number] {
            speech_->Deliver(input_->Click(number, speech_->Now()));
        });
        focusOrder.push_back(button);
    }
    std::stable_sort(
        focusOrder.begin(), focusOrder.end(),
        [](const FaceButton* a, const FaceButton* b) { return a->button().tab < b->button().tab; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }
}

void Form1::BuildMenus() {
    WindowMenuBar* bar = menuBar_;
    bar->setNativeMenuBar(false);  // always in the window, never a global menu
    std::vector<QMenu*> menus;
    for (const MenuRow& row : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromStdU16String(row.caption));
        menu->setObjectName(QString::fromLatin1(row.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(row.name));
        // A separator may be a menu's first entry, which the toolkit would
        // otherwise fold away.
        menu->setSeparatorsCollapsible(false);
        for (const MenuItemRow& item : row.items) {
            if (item.command == MenuCommand::Separator) {
                menu->addSeparator()->setObjectName(QString::fromLatin1(item.name));
                continue;
            }
            QAction* action = menu->addAction(QString::fromStdU16String(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            connect(action, &QAction::triggered, this,
                    [this, command = item.command] { Perform(command); });
        }
        menus.push_back(menu);
    }
    DescribeMenus(bar);
    for (QMenu* menu : menus) {
        connect(menu, &QMenu::aboutToShow, this,
                [this, menu] { speech_->Tell(menu->accessibleName()); });
    }
}

void Form1::Perform(MenuCommand command) {
    switch (command) {
        case MenuCommand::Exit:
            mnuEnd_Click();
            break;
        case MenuCommand::CopyExpression:
        case MenuCommand::CopyAnswer:
            speech_->Deliver(input_->Menu(command, speech_->Now()));
            break;
        case MenuCommand::About:
            mnuVarjyon_Click();
            break;
        case MenuCommand::Separator:
            break;
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Every press reaches this window's platform window once, before it is
    // handed to the focused widget and from there up the parent chain. Taking
    // it at that first stop sees each press exactly once; the event goes on
    // unconsumed, but for F10, which is the menu bar's. While the menu bar
    // has the keyboard (a menu open, or its keyboard mode after Alt or F10)
    // every key is the bar's alone.
    if (watched != windowHandle()) return false;
    if (event->type() == QEvent::KeyPress) {
        // Whatever went on in the bar, a key after it closed is the calculator's.
        menuBar_->settle();
        if (!menuBar_->ownsKeyboard()) return PreviewKey(*static_cast<QKeyEvent*>(event));
    } else if (event->type() == QEvent::MouseButtonPress) {
        // A click anywhere but on a title ends the bar's keyboard mode, as
        // Esc does, also where the click lands on no control.
        const QPoint inBar =
            menuBar_->mapFrom(this, static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!menuBar_->rect().contains(inBar) || menuBar_->actionAt(inBar) == nullptr) {
            menuBar_->leaveKeyboardMode();
        }
    }
    return false;
}

bool Form1::PreviewKey(const QKeyEvent& event) {
    const NamedKeyPress named = NameKey(event);
    const CalculatorInput::KeyOutcome outcome =
        input_->Key(TranslateKey(event), named.name, named.mask, speech_->Now());
    using Kind = CalculatorInput::KeyOutcome::Kind;
    switch (outcome.kind) {
        case Kind::Ignored:
            return false;
        case Kind::KeyTable:
            // Form_KeyDown consumes nothing: the focused button sees the key too.
            speech_->Deliver(outcome.said);
            return false;
        case Kind::Command:
            speech_->Deliver(outcome.said);
            return true;
        case Kind::Paste:
            Paste();
            return true;
        case Kind::OpenMenuBar:
            menuBar_->enterKeyboardMode();
            return true;
    }
    return false;
}

void Form1::Paste() {
    // Plain text only, and only now: the clipboard is read at no other time.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard ? clipboard->text() : QString();
    speech_->Deliver(input_->Paste(text.toStdU16String(), speech_->Now()));
}

void Form1::ShowCaption(Label label, const std::u16string& caption) {
    const QString text = QString::fromStdU16String(caption);
    QLabel* display = labels_[static_cast<int>(label) - 1];
    SetDisplayCaption(display, text, !speech_->Echoes());
    speech_->CaptionShown(label, text);
    // Read by screen readers' command for the status bar, which names the
    // bar and its items but reads no item's text.
    // Qt tells of a name set again unchanged, too.
    const QString sentence = speech_->AnswerSentence();
    QWidget* bar = display->parentWidget();
    if (label == Label::Answer && bar->accessibleName() != sentence)
        bar->setAccessibleName(sentence);
}

void Form1::PutOnClipboard(const std::u16string& text) {
    // Qt reports nothing when the platform refuses the clipboard; it then
    // keeps its old contents, which is all we want.
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(QString::fromStdU16String(text));
    }
}

void Form1::mnuEnd_Click() {
    if (about_) about_->close();
    close();
    QCoreApplication::quit();
}

void Form1::mnuVarjyon_Click() {
    if (!about_) about_ = new frmAbout(this);
    ShowAboutBox();
}

void Form1::ShowAboutBox() {
    about_->setWindowState(about_->windowState() & ~Qt::WindowMinimized);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace orvane
