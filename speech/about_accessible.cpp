#include "speech/about_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

#include "about/orvane_version.h"

namespace orvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Orvane", text); }

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
    if (className == QLatin1String("QLabel") && object && object->property(kLineProperty).toBool()) {
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

void DescribeAboutBox(QWidget* box) {
    QAccessible::installFactory(AboutLineFactory);  // Qt keeps each factory once
    const QString title = QString::fromUtf8(kProgramTitle);
    const QString version =
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    box->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Orvane", "%1 version information")).arg(title));
    const QString description =
        Tr(QT_TRANSLATE_NOOP("Orvane", "Scientific calculator with formula entry"));
    QString disclaimer;
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("lblDisclaimer"))) {
        const QRegularExpression address(QStringLiteral("[\\w.+-]+@[\\w.-]+\\w"));
        disclaimer = Tr(QT_TRANSLATE_NOOP("Orvane", "Please report defects by mail to %1"))
                         .arg(address.match(label->text()).captured());
    }
    box->setAccessibleDescription(
        Tr(QT_TRANSLATE_NOOP("Orvane", "%1, version %2.")).arg(title, version) + u' ' +
        Tr(QT_TRANSLATE_NOOP("Orvane", "%1. %2.")).arg(description, disclaimer));
    Name(box, "lblVersion", Tr(QT_TRANSLATE_NOOP("Orvane", "version %1")).arg(version));
    Name(box, "lblDescription", description);
    Name(box, "lblDisclaimer", disclaimer);
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
