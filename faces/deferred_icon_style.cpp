#include "faces/deferred_icon_style.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

namespace orvane {
namespace {

// Stands for a style's standard icon and asks the style for it on first use.
class DeferredIconEngine : public QIconEngine {
public:
    // With no option the style goes by the application's direction, as it
    // would have; with one, only its direction matters for these icons.
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which,
                       const QStyleOption* option, const QWidget* widget)
        : style_(const_cast<QStyle*>(style)),
          which_(which),
          hasOption_(option != nullptr),
          direction_(option ? option->direction : Qt::LeftToRight),
          widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!made_) {
            QStyleOption option;
            option.direction = direction_;
            if (style_) icon_ = style_->standardIcon(which_, hasOption_ ? &option : nullptr, widget_);
            made_ = true;
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    bool hasOption_;
    Qt::LayoutDirection direction_;
    QPointer<QWidget> widget_;
    bool made_ = false;
    QIcon icon_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(which, option, widget);
    }
    return QIcon(new DeferredIconEngine(baseStyle(), which, option, widget));
}

}  // namespace orvane
