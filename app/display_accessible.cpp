#include "app/display_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace orvane {
namespace {

constexpr char kDisplayProperty[] = "orvaneDisplay";

// What assistive technology calls each display and says of it, in Label order.
struct DisplayTexts {
    const char* name;
    const char* description;
};
constexpr DisplayTexts kDisplayTexts[] = {
    {"expression", "The expression being typed."},
    {"answer", "The answer of the last evaluation, or why it failed."},
    {"memory 1", "The value stored in memory 1."},
    {"memory 2", "The value stored in memory 2."},
};

// Read-only static text: the name from the widget, the caption as value and
// as the text that screen readers read out and review.
class DisplayInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    // QAccessibleTextInterface: the whole caption, nothing selectable.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = caption();
        if (startOffset < 0 || endOffset > all.size() || startOffset > endOffset) return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(caption().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString caption() const { return static_cast<const QLabel*>(object())->text(); }
};

QAccessibleInterface* DisplayFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel") && object &&
        object->property(kDisplayProperty).toBool()) {
        return new DisplayInterface(static_cast<QLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void MakeDisplayAccessible(QLabel* display, Label which) {
    static const bool installed = [] {
        QAccessible::installFactory(DisplayFactory);
        return true;
    }();
    (void)installed;
    display->setProperty(kDisplayProperty, true);
    const DisplayTexts& texts = kDisplayTexts[static_cast<int>(which) - 1];
    display->setAccessibleName(QString::fromLatin1(texts.name));
    display->setAccessibleDescription(QString::fromLatin1(texts.description));
}

void SetDisplayCaption(QLabel* display, const QString& caption) {
    if (!QAccessible::isActive()) {
        display->setText(caption);
        return;
    }
    const QString old = display->text();
    display->setText(caption);
    if (old != caption) {
        QAccessibleTextUpdateEvent event(display, 0, old, caption);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace orvane
