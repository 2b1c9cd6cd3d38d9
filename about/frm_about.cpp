#include "about/frm_about.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "faces/icon.h"
#include "narration/about_lines.h"
#include "speech/about_accessible.h"
#include "speech/spoken_captions.h"
#include "tables/about_box.h"
#include "window_kit/fixed_window_state.h"
#include "window_kit/twips.h"
#include "window_kit/whole_steps.h"
#include "window_kit/window_fonts.h"

namespace orvane {
namespace {

// One of the two etched rules across the window; a widget of its own so the
// window needs no painting code and tests can find it.
class Rule : public QWidget {
public:
    Rule(QWidget* parent, int index, QColor colour, const TwipsRect& rect)
        : QWidget(parent), colour_(colour) {
        setObjectName(QStringLiteral("Line1"));
        setProperty("index", index);
        setGeometry(TwipsToPixels(rect));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

private:
    QColor colour_;
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const TwipsRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TwipsToPixels(rect));
    label->setTextFormat(Qt::PlainText);
    // The window's Japanese face: the half-width katakana and the digits of
    // the version line then read like the lines around them.
    label->setFont(WindowFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    // A tool window has a small caption bar and stays out of the taskbar.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    setFixedSize(TwipsToPixels(4785), TwipsToPixels(3000));
    CountSizeStepsFromFixedSize(*this);
    // The client area sits at a fixed place measured from the screen's corner.
    // Given as the client area's geometry, not with move(), Qt asks the window
    // manager to keep the client area there and put its frame around it.
    // A Wayland client cannot place its windows: there the compositor places
    // the box, a transient of the calculator window.
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
        setGeometry(QRect(origin + QPoint(TwipsToPixels(2340), TwipsToPixels(1875)), size()));
    }
    KeepWindowStateNormal(*this);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIconPixmap(devicePixelRatioF()));
    picIcon->move(TwipsToPixels(240), TwipsToPixels(240));
    picIcon->adjustSize();  // the picture box takes the picture's size
    picIcon->setAccessibleName(QCoreApplication::translate("Orvane", "Orvane icon"));

    lblTitle_ = MakeLabel(this, "lblTitle", QString(), {1050, 240, 2205, 360});
    lblVersion_ = MakeLabel(this, "lblVersion", QStringLiteral("Ｖｅｒｓｉｏｎ　1.00"),
                            {1050, 682, 2205, 360});
    MakeLabel(this, "lblDescription", QString::fromUtf16(kAboutBox.description),
              {1050, 1125, 2205, 360});
    new Rule(this, 1, QColor(128, 128, 128), {120, 1680, 5684 - 120, 15});
    new Rule(this, 0, QColor(255, 255, 255), {120, 1920, 5669 - 120, 30});
    QLabel* disclaimer = MakeLabel(this, "lblDisclaimer", QString::fromUtf16(kAboutBox.disclaimer),
                                   {120, 2160, 2535, 585});
    disclaimer->setWordWrap(true);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(TwipsToPixels(TwipsRect{3120, 2160, 1380, 345}));
    cmdOK_->setDefault(true);
    cmdOK_->setAccessibleDescription(
        QCoreApplication::translate("Orvane", "Closes the version window."));
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::accept);
    cmdOK_->setFocus(Qt::OtherFocusReason);

    Form_Load();
}

void frmAbout::Form_Load() {
    const AboutLines about = ReadAboutBox(DesktopWords());
    setWindowTitle(QString::fromStdU16String(about.caption));
    lblVersion_->setText(QString::fromStdU16String(about.versionLine));
    lblTitle_->setText(QString::fromStdU16String(about.title));
    DescribeAboutBox(this, about);
}

void frmAbout::reject() {
    QDialog::reject();
    close();
}

void frmAbout::accept() {
    QDialog::accept();
    close();
}

}  // namespace orvane
