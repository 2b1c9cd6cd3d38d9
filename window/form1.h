#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "record/calculator.h"
#include "record/display_sink.h"
#include "tables/menu_table.h"

class QLabel;
class QKeyEvent;
class QCloseEvent;

namespace orvane {

class CalculatorInput;
class frmAbout;
class KeySpeech;
class WindowMenuBar;

// The calculator window: a thin shell that builds its controls from the
// button table, hands clicks, previewed keys and menu commands to the
// engine, and shows what the engine sends back on four labels and the
// clipboard. It holds no calculator state of its own.
class Form1 : public QMainWindow, private DisplaySink {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The About box while it is open, else nullptr.
    frmAbout* aboutBox() const;

    // The engine behind the window, read-only: tests check its record and
    // compare its captions with what the labels show.
    const Calculator& calculator() const { return calculator_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowCaption(Label label, const std::u16string& caption) override;
    void PutOnClipboard(const std::u16string& text) override;

    QWidget* BuildClientArea();
    void BuildDisplays(QWidget* client);
    void BuildButtons(QWidget* client);
    void BuildMenus();

    // True when the key was a command of the window's, which it takes.
    bool PreviewKey(const QKeyEvent& event);
    void Perform(MenuCommand command);  // a menu entry's
    void Paste();                       // the clipboard's text, read now
    void mnuEnd_Click();
    void mnuVarjyon_Click();
    void ShowAboutBox();  // shown restored, in front and active

    std::array<QLabel*, 4> labels_{};
    WindowMenuBar* menuBar_ = nullptr;
    Calculator calculator_;
    QPointer<frmAbout> about_;
    std::unique_ptr<KeySpeech> speech_;
    std::unique_ptr<CalculatorInput> input_;  // every click, key and command goes through it
};

}  // namespace orvane
