#pragma once
// A status bar of fixed-width text panels; the bar's hint is its tooltip.
#include <QWidget>

#include <string>
#include <vector>

class QLabel;

class TStatusBar : public QWidget {
public:
    TStatusBar(const std::vector<int>& panelWidths, QWidget* parent = nullptr);

    int PanelCount() const { return int(panels_.size()); }
    std::string PanelText(int panel) const;
    void SetPanelText(int panel, const std::string& text);
    std::string Hint() const;
    void SetHint(const std::string& hint);

private:
    std::vector<QLabel*> panels_;
};
