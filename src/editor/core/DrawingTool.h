#pragma once
// The four exclusive painting tools of the map view.

namespace zt {

enum class DrawingTool { Pen, Select, Fill, Rectangle };

// Choosing any tool but the select tool switches the selection off.
constexpr bool ToolClearsSelection(DrawingTool tool) { return tool != DrawingTool::Select; }

} // namespace zt
