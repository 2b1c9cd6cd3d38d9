#pragma once

#include <QProxyStyle>

namespace orvane {

// The program's style: the desktop's own, unchanged, except that the arrow
// icon of the menu bar's overflow button is made only when it is first
// shown. Qt builds that icon with every menu bar by reading picture files,
// which loads every image plugin on the system (SVG with its library, JPEG,
// GIF, ICO); the button appears only when the menus do not fit the bar,
// which in this window they always do.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of the style it wraps, as QProxyStyle does.
    explicit DeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace orvane
