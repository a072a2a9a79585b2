#pragma once
#include <QLabel>
#include <QWidget>
#include <array>

namespace voltaris {

// The panels of the status bar, side by side at fixed widths (350, 250, 200, 200 and 1000
// pixels) from the left edge; whatever does not fit is cut off at the right.
class StatusPanels : public QWidget {
    Q_OBJECT
public:
    static constexpr std::array<int, 5> Widths{350, 250, 200, 200, 1000};

    explicit StatusPanels(QWidget* parent = nullptr);
    QLabel* Panel(int index) const { return panels_[index]; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, 5> panels_{};
};

}  // namespace voltaris
