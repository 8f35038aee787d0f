#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where each camera's picture lies in the clip's frame.
namespace clip {

enum class Layout { SideBySide, Inset, FrontOnly, RearOnly };
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

std::optional<Layout> layoutNamed(const QString &name); // "side", "inset", "front", "rear"
std::optional<Corner> cornerNamed(const QString &name); // "top-left", …

struct Frame
{
    QSize size;  // even in both directions, as yuv420p needs
    QRect front; // empty when the front camera is not shown
    QRect rear;
};

// The rear inset's width as a share of the frame's.
inline constexpr double kInsetShare = 0.3;

// Each picture keeps its aspect ratio: side by side, the rear is scaled to the front's height.
// A camera without any recording in the clip is given the other's size.
Frame frameFor(Layout layout, Corner corner, QSize frontSize, QSize rearSize);

} // namespace clip
