#include "app/status_panels.h"

namespace voltaris {

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    setObjectName("StatusBarPanels");
    for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setTextInteractionFlags(Qt::NoTextInteraction);
    }
}

QSize StatusPanels::sizeHint() const { return {400, panels_[0]->sizeHint().height()}; }

QSize StatusPanels::minimumSizeHint() const { return {0, panels_[0]->sizeHint().height()}; }

void StatusPanels::resizeEvent(QResizeEvent*) {
    int left = 0;
    for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
        panels_[i]->setGeometry(left, 0, Widths[i] - 2, height());
        left += Widths[i];
    }
}

}  // namespace voltaris
