// The calculator window as built: start-up state, geometry, displays, faces'
// wiring, tooltips, focus order and the buttons that can never be pressed.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QMenuBar>
#include <QTest>

#include "about/frm_about.h"
#include <algorithm>
#include <array>
#include <vector>

#include "tables/button_table.h"
#include "window_kit/gothic_font_configuration.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::testing;

class WindowLayoutTest : public FormTestCase {
    Q_OBJECT

private slots:
    void startsWithIdleCaptionsAndFocusOnEvaluate() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Orvane"));
        QCOMPARE(Caption(*form_, 1), QStringLiteral("式"));
        QCOMPARE(Caption(*form_, 2), QStringLiteral("＝"));
        QCOMPARE(Caption(*form_, 3), QStringLiteral("Memory 1"));
        QCOMPARE(Caption(*form_, 4), QStringLiteral("Memory 2"));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QVERIFY(!form_->windowIcon().isNull());
    }

    void clientAreaIsFixedAndBlue() {
        QWidget* client = form_->centralWidget();
        QCOMPARE(client->size(), QSize(582, 199));
        QCOMPARE(client->mapTo(form_.get(), QPoint(0, 0)).y(), form_->menuBar()->height());
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QVERIFY(!form_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(form_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        // The last pixel row is below every key: only background shows there.
        const QImage shot = client->grab().toImage();
        QCOMPARE(QColor(shot.pixel(300, shot.height() - 1)), QColor(128, 128, 255));
        QCOMPARE(QColor(shot.pixel(shot.width() - 1, 60)), QColor(128, 128, 255));
    }

    // Positions worked out by hand from the twips layout, rounded to the
    // nearest pixel, relative to the client area below the menu bar.
    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Label1 expression") << "Label1" << QRect(0, 0, 553, 25);
        QTest::newRow("Label2 answer") << "Label2" << QRect(302, 25, 251, 25);
        QTest::newRow("Label3 memory 1") << "Label3" << QRect(0, 25, 252, 25);
        QTest::newRow("Label4 memory 2") << "Label4" << QRect(0, 50, 252, 25);
        QTest::newRow("Command1 evaluate, wide") << "Command1" << QRect(432, 168, 100, 30);
        QTest::newRow("Command3 digit 0") << "Command3" << QRect(216, 168, 50, 30);
        QTest::newRow("Command23 copy, 28.67 wide") << "Command23" << QRect(553, 0, 29, 25);
        QTest::newRow("Command25 arrow, left 251.67") << "Command25" << QRect(252, 25, 25, 25);
        QTest::newRow("Command29 MC") << "Command29" << QRect(277, 25, 25, 25);
        QTest::newRow("Command34 Sin") << "Command34" << QRect(3, 78, 65, 30);
        QTest::newRow("Command20 unavailable") << "Command20" << QRect(472, 56, 41, 17);
        QTest::newRow("Command45 unavailable") << "Command45" << QRect(133, 168, 65, 30);
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        auto* control = Child(*form_, name);
        QVERIFY(control);
        QWidget* client = form_->centralWidget();
        QVERIFY(client->isAncestorOf(control));
        QCOMPARE(QRect(control->mapTo(client, QPoint(0, 0)), control->size()), expected);
    }

    // Every button of the table, converted independently of the window code.
    void everyButtonMatchesTheTable() {
        for (const ButtonSpec& row : kButtons) {
            const QString name = QStringLiteral("Command%1").arg(row.number);
            auto* button = Child<QAbstractButton>(*form_, name);
            QVERIFY2(button, qPrintable(name));
            auto px = [](int twips) { return (twips * 2 + 15) / 30; };  // half up
            const QRect expected(px(row.rect.left), px(row.rect.top), px(row.rect.width),
                                 px(row.rect.height));
            QVERIFY2(button->geometry() == expected, qPrintable(name));
            QVERIFY2(button->geometry().right() < 582 && button->geometry().bottom() < 199,
                     qPrintable(name));
        }
        QCOMPARE(form_->centralWidget()->findChildren<QAbstractButton*>().size(), 45);
    }

    void displaysUseTheirColoursAndFont() {
        for (int n = 1; n <= 4; ++n) {
            auto* label = Child<QLabel>(*form_, QStringLiteral("Label%1").arg(n));
            QVERIFY(label);
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window), QColor(192, 192, 255));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(label->font().pointSizeF(), 14.25);
            QVERIFY(label->font().bold());
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
        QCOMPARE(form_->font().pointSizeF(), 9.75);
        QCOMPARE(QFontInfo(form_->font()).family(), QStringLiteral("IPAPGothic"));
    }

    // Each text of the window, its menus and its About box is drawn in one
    // face that merges no fallback faces, so a character that face lacks
    // would show as a box.
    void everyTextHasItsGlyphsInItsOwnFont() {
        Child<QAction>(*form_, QStringLiteral("mnuVarjyon"))->trigger();
        QVERIFY(form_->aboutBox());
        QStringList missing;
        auto check = [&](const QWidget& widget, QString text) {
            if (text.isEmpty()) return;
            const QString name = widget.metaObject()->className() + (' ' + widget.objectName());
            const QRawFont face = QRawFont::fromFont(widget.font());
            if (!(widget.font().styleStrategy() & QFont::NoFontMerging)) missing << name + " merges";
            for (const uint c : text.remove(QLatin1Char('&')).toUcs4())
                if (!face.supportsCharacter(c)) missing << name + " lacks " + QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        };
        for (const QWidget* window : std::array<const QWidget*, 2>{form_.get(), form_->aboutBox()}) {
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                if (const auto* label = qobject_cast<const QLabel*>(widget)) check(*label, label->text());
                if (const auto* button = qobject_cast<const QPushButton*>(widget))
                    check(*button, button->text());
                for (const QAction* action : widget->actions())
                    if (qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget))
                        check(*widget, action->text());
            }
        }
        QFile translations(QStringLiteral(ORVANE_SOURCE_DIR "/translations/orvane_ja.ts"));
        QVERIFY(translations.open(QIODevice::ReadOnly));
        for (QXmlStreamReader xml(&translations); !xml.atEnd(); xml.readNext())
            check(*form_, xml.text().trimmed().toString());
        const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
        for (const QString room : {"entry", "eval", "edit"})
            for (const QFileInfo& file :
                 QDir(ORVANE_SOURCE_DIR "/" + room).entryInfoList({"*.cpp", "*.h"})) {
                QFile source(file.filePath());
                QVERIFY(source.open(QIODevice::ReadOnly));
                for (const auto& match : literal.globalMatch(QString::fromUtf8(source.readAll())))
                    check(*Child<QLabel>(*form_, QStringLiteral("Label2")), match.captured(1));
            }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
    }

    // The Gothic face's folder alone, drawn as the whole configuration draws it.
    void gothicFontConfigurationKeepsTheRenderingSettings() {
        static const auto* kDrawn = reinterpret_cast<const FcChar8*>(
            "%{file} %{antialias} %{hinting} %{hintstyle} %{rgba} %{lcdfilter} %{embolden}");
        auto drawn = [](FcConfig* config) {
            FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("IPAPGothic:bold"));
            FcConfigSubstitute(config, pattern, FcMatchPattern);
            FcResult result;
            FcPattern* match = FcFontMatch(config, pattern, &result);
            FcChar8* text = FcPatternFormat(match, kDrawn);
            const QString described = QString::fromUtf8(reinterpret_cast<const char*>(text));
            FcStrFree(text), FcPatternDestroy(match), FcPatternDestroy(pattern),
                FcConfigDestroy(config);
            return described;
        };
        QCOMPARE(drawn(GothicFontConfiguration(ORVANE_GOTHIC_FONT_DIR)),
                 drawn(FcInitLoadConfigAndFonts()));
        QVERIFY(!GothicFontConfiguration(ORVANE_GOTHIC_FONT_DIR "-missing"));
    }

    // The idle "式" must sit at the right end, where a long expression's
    // newest characters will be.
    void displayTextIsRightJustified() {
        auto* label = Child<QLabel>(*form_, QStringLiteral("Label1"));
        const QImage shot = label->grab().toImage();
        auto inkIn = [&](int from, int to) {
            for (int x = from; x < to; ++x)
                for (int y = 0; y < shot.height(); ++y)
                    if (qGray(shot.pixel(x, y)) < 100) return true;
            return false;
        };
        QVERIFY(inkIn(shot.width() - 30, shot.width()));
        QVERIFY(!inkIn(0, shot.width() / 2));
    }

    void tooltipsOnTheNineButtons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Command23 copy expression") << "Command23"
                                                   << "式をクリップボードへコピー";
        QTest::newRow("Command24 copy answer") << "Command24"
                                               << "答えをクリップボードへコピー";
        QTest::newRow("Command25 store 1") << "Command25"
                                           << "答えをメモリ１に代入";
        QTest::newRow("Command26 store 2") << "Command26"
                                           << "答えをメモリ2に代入";
        QTest::newRow("Command27 recall 1") << "Command27"
                                            << "メモリ１の値を計算式に";
        QTest::newRow("Command28 recall 2") << "Command28"
                                            << "メモリ２の値を計算式に";
        QTest::newRow("Command29 clear 1") << "Command29"
                                           << "メモリ１をクリア";
        QTest::newRow("Command30 clear 2") << "Command30"
                                           << "メモリ２をクリア";
        QTest::newRow("Command33 pi") << "Command33"
                                      << "円周率（１*π）";
    }
    void tooltipsOnTheNineButtons() {
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        QCOMPARE(Child(*form_, name)->toolTip(), tooltip);
    }

    void noOtherButtonHasATooltip() {
        int withTip = 0;
        for (auto* button : form_->centralWidget()->findChildren<QAbstractButton*>())
            if (!button->toolTip().isEmpty()) ++withTip;
        QCOMPARE(withTip, 9);
    }

    void tabWalksTheUsableButtonsInTableOrder() {
        std::vector<ButtonSpec> usable;
        std::copy_if(kButtons.begin(), kButtons.end(), std::back_inserter(usable),
                     [](const ButtonSpec& b) { return b.action != KeyAction::None; });
        std::sort(usable.begin(), usable.end(),
                  [](const ButtonSpec& a, const ButtonSpec& b) { return a.tab < b.tab; });
        QCOMPARE(usable.size(), std::size_t{40});

        QStringList expected, seen;
        for (std::size_t i = 1; i <= usable.size(); ++i)
            expected << QStringLiteral("Command%1").arg(usable[i % usable.size()].number);
        for (std::size_t i = 0; i < usable.size(); ++i) {
            Press(*form_, Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);
        QCOMPARE(seen.first(), QStringLiteral("Command3"));
        QCOMPARE(seen.last(), QStringLiteral("Command1"));
        // No key the window previews moved anything while tabbing.
        QCOMPARE(Caption(*form_, 1), QStringLiteral("式"));

        Press(*form_, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command42"));
    }

    void clickingAButtonRunsItsAction_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        QTest::newRow("digits and plus")
            << QStringList{"Command4", "Command5", "Command14", "Command6"} << "12+3"
            << "＝";
        QTest::newRow("evaluate") << QStringList{"Command5", "Command16", "Command6", "Command1"}
                                  << "2*3"
                                  << "6";
        QTest::newRow("function and pi") << QStringList{"Command34", "Command33"} << "Sinπ"
                                         << "＝";
        QTest::newRow("backspace") << QStringList{"Command4", "Command5", "Command22"} << "1"
                                   << "＝";
        QTest::newRow("clear all") << QStringList{"Command4", "Command2"} << "式"
                                   << "＝";
    }
    void clickingAButtonRunsItsAction() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, label1);
        QFETCH(QString, label2);
        for (const QString& name : clicks) {
            auto* button = Child<QAbstractButton>(*form_, name);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(Caption(*form_, 1), label1);
        QCOMPARE(Caption(*form_, 2), label2);
    }

    void unavailableButtonsCannotBePressed_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Command20", "Command21", "Command43", "Command44", "Command45"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void unavailableButtonsCannotBePressed() {
        QFETCH(QString, name);
        auto* button = Child<QAbstractButton>(*form_, name);
        QVERIFY(button);
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);

        QTest::mouseClick(Child<QAbstractButton>(*form_, "Command4"), Qt::LeftButton);
        int clicked = 0;
        connect(button, &QAbstractButton::clicked, this, [&] { ++clicked; });
        QTest::mouseClick(button, Qt::LeftButton);
        button->click();
        // A click at its place in the grid lands nowhere either.
        QTest::mouseClick(form_->centralWidget(), Qt::LeftButton, {}, button->geometry().center());
        QCOMPARE(clicked, 0);
        QCOMPARE(Caption(*form_, 1), QStringLiteral("1"));
        QCOMPARE(Caption(*form_, 2), QStringLiteral("＝"));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
