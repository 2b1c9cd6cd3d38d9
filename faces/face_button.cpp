#include "faces/face_button.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "faces/button_faces.h"
#include "narration/key_description.h"
#include "speech/face_button_accessible.h"
#include "speech/spoken_captions.h"
#include "tables/button_descriptions.h"
#include "window_kit/twips.h"

namespace orvane {

FaceButton::FaceButton(const ButtonSpec& button, QWidget* parent)
    : QAbstractButton(parent), button_(button) {
    setObjectName(QStringLiteral("Command%1").arg(button.number));
    // Before anything asks for its interface.
    PressAtOnceForAssistiveTechnology(this, button.action == KeyAction::Evaluate);
    if (*button.tooltip) setToolTip(QString::fromUtf8(button.tooltip));
    // In the user's language; the faces and tooltips stay as they are.
    const ButtonSpeech speech = SpeakButton(button.number);
    setAccessibleName(QCoreApplication::translate("Orvane", speech.name));
    setAccessibleDescription(
        QString::fromStdU16String(ButtonDescription(DesktopWords(), button.number)));
    // Tab, or a left click (see mousePressEvent): a right click would take
    // the focus too, and the next Enter would press this key instead of the
    // one the user was on.
    setFocusPolicy(Qt::TabFocus);
    setGeometry(TwipsToPixels(button.rect));
}

void FaceButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setFocus(Qt::MouseFocusReason);
    QAbstractButton::mousePressEvent(event);
}

QSize FaceButton::sizeHint() const { return TwipsToPixels(button_.rect).size(); }

void FaceButton::paintEvent(QPaintEvent*) {
    if (button_.family == FaceFamily::CaptionOnly) {
        QStylePainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        // Drawn from the table, not held as the button's text: a screen
        // reader would take that for a name.
        option.text = QString::fromUtf8(button_.glyph);
        if (isDown()) option.state |= QStyle::State_Sunken;
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }

    QPainter painter(this);
    const QImage face = RenderButtonFace(button_, devicePixelRatioF(), isEnabled());
    const QSizeF faceSize = face.deviceIndependentSize();
    QPointF topLeft((width() - faceSize.width()) / 2, (height() - faceSize.height()) / 2);
    const bool down = isDown();
    if (down) topLeft += QPointF(1, 1);
    painter.drawImage(topLeft, face);

    const QRectF faceRect(topLeft, faceSize);
    if (down) {
        // Sunken: shade the face and draw the shadow on the top and left edges.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(faceRect.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        painter.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
        painter.drawLine(faceRect.topLeft() + QPointF(2, 1.5),
                         faceRect.topRight() + QPointF(-2, 1.5));
        painter.drawLine(faceRect.topLeft() + QPointF(1.5, 2),
                         faceRect.bottomLeft() + QPointF(1.5, -2));
    }
    if (hasFocus()) {
        // A dotted ring inside the face, drawn twice so it shows on dark and
        // light faces alike.
        const QRectF ring = QRectF(rect()).intersected(faceRect).adjusted(3.5, 3.5, -3.5, -3.5);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::SolidLine));
        painter.drawRect(ring);
        painter.setPen(QPen(QColor(0, 0, 0, 220), 1, Qt::DotLine));
        painter.drawRect(ring);
    }
}

void FaceButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers().testFlag(Qt::ControlModifier) == false &&
        event->modifiers().testFlag(Qt::AltModifier) == false) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace orvane
