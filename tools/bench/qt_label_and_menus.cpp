// The window a calculator built on Qt 6 cannot do without: a main window of
// Orvane's size showing one line of text under a menu bar with Orvane's three
// Japanese menus, in the toolkit's default font and style. The first-paint
// benchmark holds Orvane's instruction count against it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addSeparator();
    file->addAction(QStringLiteral("終了(&X)"));
    QMenu* edit = window.menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->addAction(QStringLiteral("式をコピー(&C)"));
    edit->addAction(QStringLiteral("答えをコピー(&D)"));
    window.menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"))->addAction(QStringLiteral("バージョン情報(&A)"));
    auto* label = new QLabel(QStringLiteral("2*(3+4)"));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setFixedSize(582, 199);
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}
