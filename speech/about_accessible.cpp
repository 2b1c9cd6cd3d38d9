#include "speech/about_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

#include "narration/about_lines.h"

namespace orvane {
namespace {

constexpr char kLineProperty[] = "orvaneAboutLine";

// One line of the box, read in place by review, and tied to the box it
// describes. A screen reader presenting the box reads its loose labels
// only when they are three words or more, which a Japanese line, written
// without spaces, never is: tied, they are left to the box's description,
// which says every line in the user's language.
class AboutLine : public QAccessibleWidget {
public:
    explicit AboutLine(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !text.isEmpty()) return text;
        return static_cast<QLabel*>(widget())->text();
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        if (!(match & QAccessible::Label)) return {};
        return {{QAccessible::queryAccessibleInterface(widget()->window()), QAccessible::Label}};
    }
};

QAccessibleInterface* AboutLineFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel") && object &&
        object->property(kLineProperty).toBool()) {
        return new AboutLine(static_cast<QLabel*>(object));
    }
    return nullptr;
}

void Name(QWidget* box, const char* control, const QString& name) {
    if (auto* widget = box->findChild<QWidget*>(QString::fromLatin1(control))) {
        widget->setAccessibleName(name);
    }
}

}  // namespace

void DescribeAboutBox(QWidget* box, const AboutLines& about) {
    QAccessible::installFactory(AboutLineFactory);  // Qt keeps each factory once
    box->setAccessibleName(QString::fromStdU16String(about.name));
    box->setAccessibleDescription(QString::fromStdU16String(about.description));
    Name(box, "lblVersion", QString::fromStdU16String(about.spokenVersion));
    Name(box, "lblDescription", QString::fromStdU16String(about.spokenDescription));
    Name(box, "lblDisclaimer", QString::fromStdU16String(about.spokenDisclaimer));
    for (QLabel* line : box->findChildren<QLabel*>()) {
        if (!line->objectName().startsWith(QLatin1String("lbl"))) continue;
        line->setProperty(kLineProperty, true);
        // Setting the captions may have had Qt make a plain label's
        // interface already; the box is not shown yet, so nobody holds it.
        QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(line);
        if (plain && !dynamic_cast<AboutLine*>(plain)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
        }
    }
}

}  // namespace orvane
