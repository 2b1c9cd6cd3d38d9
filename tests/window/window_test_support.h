#pragma once

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWindow>
#include <memory>

#include "window/form1.h"

namespace orvane::testing {

// Whether the tests run on Qt's wayland platform (the *.wayland runs).
inline bool OnWayland() { return QGuiApplication::platformName() == QLatin1String("wayland"); }

// Makes a shown window the active one. A compositor without a seat, as
// Weston's headless one, never activates a window, so there the test
// activates it as a desktop would on the first click.
inline bool Activate(QWidget& window) {
    if (OnWayland()) {
        if (!QTest::qWaitForWindowExposed(&window)) return false;
        QApplication::setActiveWindow(&window);
        return QApplication::activeWindow() == &window;
    }
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A fresh calculator window, shown and active, as the user first sees it.
inline std::unique_ptr<Form1> ShowForm() {
    auto form = std::make_unique<Form1>();
    form->show();
    if (!Activate(*form)) return nullptr;
    return form;
}

inline QString Caption(const QWidget& form, int label) {
    const auto* display = form.findChild<QLabel*>(QStringLiteral("Label%1").arg(label));
    return display ? display->text() : QStringLiteral("<no Label%1>").arg(label);
}

template <typename T = QWidget>
T* Child(const QObject& parent, const QString& name) {
    return parent.findChild<T*>(name);
}

// Presses a key the way the platform delivers it: to the window first.
inline void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// Lets closed windows that delete themselves finish doing so.
inline void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// What the window tests share: every test function starts with a fresh
// window, and its windows are gone before the next one starts.
class FormTestCase : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_ = ShowForm();
        QVERIFY(form_);
    }
    void cleanup() {
        form_.reset();
        FlushDeletes();
    }

protected:
    std::unique_ptr<Form1> form_;
};

}  // namespace orvane::testing
