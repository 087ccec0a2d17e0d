#pragma once
// Up-down buttons bound to a text field: a step writes the new position into
// the field as decimal text, never outside Min..Max; typed text is not limited.
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
public:
    TUpDown(QLineEdit* buddy, int min, int max, int increment, int position, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void SetPosition(int position); // clamps, then writes into the buddy
    void StepUp() { SetPosition(position_ + increment_); }
    void StepDown() { SetPosition(position_ - increment_); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int min_, max_, increment_, position_;
};
