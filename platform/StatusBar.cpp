#include "platform/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

TStatusBar::TStatusBar(const std::vector<int>& panelWidths, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < panelWidths.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QString("Panel%1").arg(i));
        panel->setFixedWidth(panelWidths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        layout->addWidget(panel);
        panels_.push_back(panel);
    }
    layout->addStretch(1);
    setFixedHeight(19);
}

std::string TStatusBar::PanelText(int panel) const
{
    return panels_.at(std::size_t(panel))->text().toStdString();
}

void TStatusBar::SetPanelText(int panel, const std::string& text)
{
    panels_.at(std::size_t(panel))->setText(QString::fromStdString(text));
}

std::string TStatusBar::Hint() const
{
    return toolTip().toStdString();
}

void TStatusBar::SetHint(const std::string& hint)
{
    setToolTip(QString::fromStdString(hint));
}
