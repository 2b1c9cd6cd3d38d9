#pragma once

#include <QAbstractButton>

#include "tables/button_table.h"

namespace orvane {

// A keypad button that shows its picture face and no caption. It clicks on
// Space, and on Enter as desktop users expect of a focused button.
class FaceButton : public QAbstractButton {
    Q_OBJECT
public:
    FaceButton(const ButtonSpec& button, QWidget* parent);

    const ButtonSpec& button() const { return button_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const ButtonSpec& button_;
};

}  // namespace orvane
