#pragma once

// Fixed measures of the main frame, in twips (15 per pixel) unless named
// otherwise.
namespace FrameLayout {

// Design size of the frame (client area) and its minimum size in pixels.
constexpr int DesignWidthPx = 960;
constexpr int DesignHeightPx = 700;
constexpr int MinimumWidthPx = 600;
constexpr int MinimumHeightPx = 572;

// Tool panel: the strip on the left, the tab strip inside it, the pages.
constexpr double PanelWidth = 3250;
constexpr double Tab1Left = 80;
constexpr double Tab1Top = 20;
constexpr double Tab1Width = 3090;
constexpr double Tab1HeightMargin = 20;   // inner height - Tab1 height
constexpr double PageLeft = 100;
constexpr double PageTop = 600;
constexpr double PageHeightMargin = 620;  // Tab1 height - page height
constexpr double PageWidthMargin = 90;    // Tab1 width - page width

// Status bar panel widths.
constexpr double StatusWidths[5] = {8652, 2646, 2999, 1411, 2117};
constexpr double StatusFirstMinimum = 2540;

// A new card: 8.4 x 5.4 cm.
constexpr double NewCardWidth = 4762.8;
constexpr double NewCardHeight = 3061.8;

} // namespace FrameLayout
