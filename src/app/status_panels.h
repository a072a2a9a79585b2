// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QWidget>
#include <array>

namespace voltaris {

// The panels of the status bar side by side from the left edge: the hint of the menu item or
// button under the mouse, the pointer readout, the two frame-rate readouts and a spare panel.
// Their design widths (350, 250, 200, 200 and 1000 pixels) are minimums: each panel grows to
// the widest text it has shown in the desktop's font and keeps that width, so a readout is
// always whole. Only the hint gives way when the bar is too narrow: it ends in an ellipsis
// and the whole hint becomes the panel's tooltip.
class StatusPanels : public QWidget {
    Q_OBJECT
public:
    static constexpr std::array<int, 5> DesignWidths{350, 250, 200, 200, 1000};
    static constexpr int HintPanel = 0;

    explicit StatusPanels(QWidget* parent = nullptr);
    QLabel* Panel(int index) const { return panels_[index]; }
    void SetText(int panel, const QString& text);

    QSize sizeHint() const override;
    // Wide enough for the readouts as they are and a few letters of the hint.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Width the hint panel needs to show `text` whole, its frame and the gap to the next
    // panel included.
    int HintWidth(const QString& text) const;
    int ReadoutsWidth() const;  // the panels right of the hint
    void Arrange();
    void ShowHint();

    std::array<QLabel*, 5> panels_{};
    std::array<int, 5> widths_ = DesignWidths;  // grown widths, gap included
    QString hint_;  // the whole hint; the panel may show it shortened
};

}  // namespace voltaris
