#pragma once
// A settings page whose colour dialog is answered by the test, and a way to
// reach its controls by object name.

#include "app/settings/SettingsPage.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <optional>
#include <vector>

#include <ostream>

inline void PrintTo(const QColor& colour, std::ostream* out) {
  *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

namespace zt::test {

class SettingsPageFixture : public ::testing::Test {
 protected:
  template <typename Widget>
  Widget& Find(const char* name) {
    auto* widget = page.findChild<Widget*>(QString::fromUtf8(name));
    if (!widget) throw std::runtime_error(std::string("no control ") + name);
    return *widget;
  }

  std::deque<std::optional<QColor>> colourAnswers; // cancel when empty
  std::vector<QColor> colourQuestions;             // the initial colour of each dialog
  SettingsPage page{nullptr, [this](const QColor& initial) -> std::optional<QColor> {
                      colourQuestions.push_back(initial);
                      if (colourAnswers.empty()) return std::nullopt;
                      const auto answer = colourAnswers.front();
                      colourAnswers.pop_front();
                      return answer;
                    }};
};

} // namespace zt::test
