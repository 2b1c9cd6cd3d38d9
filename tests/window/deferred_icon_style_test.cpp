// The program's style defers the menu bar's overflow arrow until it is used;
// everything it draws must still be what the desktop's style draws.
#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>

#include "faces/deferred_icon_style.h"

class DeferredIconStyleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        reference_ = QStyleFactory::create(QApplication::style()->name());
        QVERIFY(reference_ != nullptr);
        QApplication::setStyle(new orvane::DeferredIconStyle(QApplication::style()));
    }

    void overflowArrowIsTheStylesOwn() {
        for (auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                           QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QIcon deferred = QApplication::style()->standardIcon(which);
            const QIcon own = reference_->standardIcon(which);
            QVERIFY(!deferred.isNull());
            QCOMPARE(deferred.availableSizes(), own.availableSizes());
            for (int side : {8, 16, 32}) {
                QCOMPARE(deferred.pixmap(side, side).toImage(), own.pixmap(side, side).toImage());
            }
        }
    }

    void menuBarOverflowButtonShowsTheArrow() {
        QMenuBar bar;
        auto* extension = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(extension != nullptr);
        const QIcon own = reference_->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(extension->icon().pixmap(16, 16).toImage(), own.pixmap(16, 16).toImage());
    }

    void otherIconsAndMetricsPassThrough() {
        QStyle* style = QApplication::style();
        QCOMPARE(style->standardIcon(QStyle::SP_DialogOkButton).availableSizes(),
                 reference_->standardIcon(QStyle::SP_DialogOkButton).availableSizes());
        QCOMPARE(style->pixelMetric(QStyle::PM_MenuBarItemSpacing),
                 reference_->pixelMetric(QStyle::PM_MenuBarItemSpacing));
        QCOMPARE(style->standardPalette(), reference_->standardPalette());
    }

    void cleanupTestCase() { delete reference_; }

private:
    QStyle* reference_ = nullptr;
};

QTEST_MAIN(DeferredIconStyleTest)
#include "deferred_icon_style_test.moc"
