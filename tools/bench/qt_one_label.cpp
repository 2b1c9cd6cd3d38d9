// The least a Qt 6 Widgets calculator could be: one window of Orvane's size
// showing one line of text. Started by tools/bench/startup beside the real
// programs, it shows what the toolkit alone weighs before any keypad, menu or
// second font is drawn.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("2*(3+4)"));
    label.setAlignment(Qt::AlignRight | Qt::AlignTop);
    label.setFixedSize(582, 199);
    label.show();
    return app.exec();
}
