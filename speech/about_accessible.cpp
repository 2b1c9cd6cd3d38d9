#include "speech/about_accessible.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

#include "about/orvane_version.h"

namespace orvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Orvane", text); }

void Name(QWidget* box, const char* control, const QString& name) {
    if (auto* widget = box->findChild<QWidget*>(QString::fromLatin1(control))) {
        widget->setAccessibleName(name);
    }
}

}  // namespace

void DescribeAboutBox(QWidget* box) {
    const QString title = QString::fromUtf8(kProgramTitle);
    const QString version =
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    box->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Orvane", "%1 version information")).arg(title));
    box->setAccessibleDescription(
        Tr(QT_TRANSLATE_NOOP("Orvane", "%1, version %2.")).arg(title, version));
    Name(box, "lblVersion", Tr(QT_TRANSLATE_NOOP("Orvane", "version %1")).arg(version));
    Name(box, "lblDescription",
         Tr(QT_TRANSLATE_NOOP("Orvane", "Scientific calculator with formula entry")));
    if (auto* disclaimer = box->findChild<QLabel*>(QStringLiteral("lblDisclaimer"))) {
        const QRegularExpression address(QStringLiteral("[\\w.+-]+@[\\w.-]+\\w"));
        disclaimer->setAccessibleName(
            Tr(QT_TRANSLATE_NOOP("Orvane", "Please report defects by mail to %1"))
                .arg(address.match(disclaimer->text()).captured()));
    }
}

}  // namespace orvane
