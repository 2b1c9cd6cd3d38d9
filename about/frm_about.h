#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orvane {

// The version window: a small modeless tool window showing the icon, the
// title, the version and a line on where to report defects. It is built
// each time it is opened and deletes itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent);

    // OK, Enter and Esc all close the window for good, not just hide it.
    void reject() override;
    void accept() override;

private:
    void Form_Load();

    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QPushButton* cmdOK_;
};

}  // namespace orvane
