#pragma once
// The about box: product name, version, authorship and the program's icon.
// Modal, centred on the screen each time it is shown.
#include <QDialog>

class QFrame;
class QImage;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

// The program's picture: its name in coloured cells on black, 100 x 60.
QImage ProgramPicture();
