#include "speech/display_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>

#include "speech/spoken_captions.h"
#include "tables/spoken_names.h"

namespace orvane {
namespace {

constexpr char kDisplayProperty[] = "orvaneDisplay";
constexpr char kStatusBarProperty[] = "orvaneStatusBar";

// The display's caption in the words a screen reader should read.
QString SpokenForm(const QLabel* display, const QString& caption) {
    return SpokenCaption(static_cast<Label>(display->property(kDisplayProperty).toInt()), caption);
}

// Read-only static text: the name from the widget, the caption as value, and
// its spoken form as the text that screen readers read out and review.
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
        const QString all = spoken();
        if (startOffset < 0 || endOffset > all.size() || startOffset > endOffset) return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(spoken().size()); }
    // Where each character stands on the screen, so that a screen reader's
    // review of the window finds the caption and reads it in place.
    QRect characterRect(int offset) const override {
        const QRect box = CharacterBox(offset);
        if (box.isEmpty()) return {};
        return {label()->mapToGlobal(box.topLeft()), box.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = label()->mapFromGlobal(point);
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (CharacterBox(offset).contains(local)) return offset;
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    const QLabel* label() const { return static_cast<const QLabel*>(object()); }
    QString caption() const { return label()->text(); }
    QString spoken() const { return SpokenForm(label(), caption()); }

    // The character's box in the label's coordinates: the caption is laid
    // out in one line, in the label's font and alignment, within its margin.
    // Characters cut off at the edge keep their boxes outside the label.
    // A spoken form shares out the caption's line, or the whole display when
    // the caption is empty, so that review still finds it where it is shown.
    QRect CharacterBox(int offset) const {
        const QString all = caption();
        const QString said = spoken();
        if (offset < 0 || offset >= said.size()) return {};
        const QFontMetricsF metrics(label()->font());
        const int margin = label()->margin();
        const QRect area = label()->contentsRect().adjusted(margin, margin, -margin, -margin);
        const QSize line(qRound(metrics.horizontalAdvance(all)), qRound(metrics.height()));
        const QRect text = all.isEmpty() ? area
                                         : QStyle::alignedRect(label()->layoutDirection(),
                                                               label()->alignment(), line, area);
        if (said != all) {
            const int count = static_cast<int>(said.size());
            const auto edge = [&](int at) { return text.left() + text.width() * at / count; };
            return {edge(offset), text.top(), edge(offset + 1) - edge(offset), text.height()};
        }
        const int left = qRound(metrics.horizontalAdvance(all.left(offset)));
        const int right = qRound(metrics.horizontalAdvance(all.left(offset + 1)));
        return {text.left() + left, text.top(), right - left, text.height()};
    }
};

QAccessibleInterface* DisplayFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object &&
        object->property(kStatusBarProperty).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    }
    if (className == QLatin1String("QLabel") && object &&
        object->property(kDisplayProperty).toInt() > 0) {
        return new DisplayInterface(static_cast<QLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void MakeDisplayAccessible(QLabel* display, Label which) {
    QAccessible::installFactory(DisplayFactory);  // Qt keeps each factory once
    display->setProperty(kDisplayProperty, static_cast<int>(which));
    const SpokenName& texts = kDisplayNames[static_cast<int>(which) - 1];
    display->setAccessibleName(QCoreApplication::translate("Orvane", texts.name));
    display->setAccessibleDescription(QCoreApplication::translate("Orvane", texts.description));
}

QWidget* NewStatusBar(QWidget* parent) {
    QAccessible::installFactory(DisplayFactory);
    auto* bar = new QWidget(parent);
    bar->setProperty(kStatusBarProperty, true);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

void SetDisplayCaption(QLabel* display, const QString& caption, bool tell) {
    if (!tell || !QAccessible::isActive()) {
        display->setText(caption);
        return;
    }
    const QString old = display->text();
    display->setText(caption);
    if (old != caption) {
        QAccessibleTextUpdateEvent event(display, 0, SpokenForm(display, old),
                                         SpokenForm(display, caption));
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace orvane
