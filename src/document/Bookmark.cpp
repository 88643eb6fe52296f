#include "document/Bookmark.h"

#include "document/IntegerText.h"
#include "document/ShiftJisText.h"

namespace zt {

std::string Bookmark::ToLine() const {
  return name + "," + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(stage);
}

std::optional<Bookmark> Bookmark::FromLine(const std::string& line) {
  std::string rest = line;
  Bookmark mark;
  mark.name = FirstField(rest, ',');
  int* numbers[] = {&mark.x, &mark.y, &mark.stage};
  for (int* number : numbers) {
    const auto value = ParseInteger(FirstField(rest, ','));
    if (!value) return std::nullopt;
    *number = *value;
  }
  return mark;
}

} // namespace zt
