#include "app/window/PageControl.h"

namespace zt {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
  setObjectName("PageControl1");
  connect(this, &QTabWidget::currentChanged, this, &PageControl::OnCurrentChanged);
}

void PageControl::OnCurrentChanged(int index) {
  if (reverting_ || index < 0 || index == shown_) return;
  if (leavingPage && !leavingPage(shown_)) {
    // The tab bar has already moved; put it back without telling anyone.
    reverting_ = true;
    setCurrentIndex(shown_);
    reverting_ = false;
    return;
  }
  shown_ = index;
  if (enteredPage) enteredPage(index);
}

void PageControl::SetTabSide(int position) {
  static constexpr TabPosition kSides[] = {North, West, East, South};
  if (position >= 0 && position < 4) setTabPosition(kSides[position]);
}

} // namespace zt
