#pragma once
// A document with the synthetic pattern and a shown map page whose view
// has an exact size, for the windows that work with the page.

#include "editor/map/MapPage.h"
#include "editor/map/MapTestSupport.h"

#include <QApplication>
#include <QLayout>
#include <QTest>

#include <gtest/gtest.h>

namespace zt::test {

struct PageFixture {
  explicit PageFixture(QSize viewSize = {640, 320}) {
    pattern.SetRaw(SyntheticPattern(), qRgb(0, 0, 0));
    pattern.BuildSubstituted(kStageOneBackground);
    doc.loaded = true;
    page.resize(800, 600);
    page.show();
    SetViewSize(viewSize);
  }
  // Resizes the page so that the view inside it gets exactly this size.
  void SetViewSize(QSize size) {
    page.layout()->activate();
    page.resize(page.size() + size - page.view().size());
    page.layout()->activate();
    EXPECT_EQ(page.view().size(), size);
  }
  QPoint Origin() {
    const ViewGeometry view = page.view().viewGeometry();
    return {view.scrollX, view.scrollY};
  }

  StageDocument doc;
  PatternImage pattern;
  MapPage page{doc, pattern};
};

// Shows a top-level window and waits until it has the focus.
inline bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

} // namespace zt::test
