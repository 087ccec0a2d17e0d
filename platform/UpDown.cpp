#include "platform/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TUpDown::TUpDown(QLineEdit* buddy, int min, int max, int increment, int position, QWidget* parent)
    : QWidget(parent), buddy_(buddy), min_(min), max_(max), increment_(increment), position_(position)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    up_->setAccessibleName("増やす");
    down_->setAccessibleName("減らす");
    connect(up_, &QToolButton::clicked, this, [this] { StepUp(); });
    connect(down_, &QToolButton::clicked, this, [this] { StepDown(); });
    buddy_->installEventFilter(this);
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
    buddy_->setText(QString::number(position_));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys in the field step like the buttons.
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) { StepUp(); return true; }
        if (key == Qt::Key_Down) { StepDown(); return true; }
    }
    return QWidget::eventFilter(watched, event);
}
