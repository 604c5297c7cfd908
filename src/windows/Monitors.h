#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/WindowManager.h"

namespace tilora {

// The display monitors: each monitor's rectangle and size under keys 10 * n + k (k = 1 left,
// 2 top, 3 right, 4 bottom, 5 width, 6 height of monitor n), and the virtual screen's size.
class Monitors {
  public:
    enum Field { Left = 1, Top = 2, Right = 3, Bottom = 4, Width = 5, Height = 6 };

    explicit Monitors(const WindowManager& windows);

    // Reads the monitors and the virtual screen again. Keys of monitors that are gone keep their
    // old values.
    void Refresh();
    // Reads the virtual screen's origin and size again.
    void RefreshVirtualScreen();

    // A key that was never stored reads 0.
    std::int32_t MonitorTable(int key) const;
    std::int32_t Value(int monitor, Field field) const {
        return MonitorTable(10 * monitor + field);
    }
    int monitorCount() const { return monitorCount_; }
    // The rectangles of the monitors the latest reading found, in the system's order.
    const std::vector<Rect>& found() const { return found_; }
    std::int32_t virtualScreenWidth() const { return virtualScreenWidth_; }
    std::int32_t virtualScreenHeight() const { return virtualScreenHeight_; }
    // The bounding rectangle of all monitors; its origin is (0, 0) only when no monitor lies left
    // of or above the primary one.
    Rect virtualScreen() const {
        return {virtualScreenOrigin_.x, virtualScreenOrigin_.y,
                virtualScreenOrigin_.x + virtualScreenWidth_,
                virtualScreenOrigin_.y + virtualScreenHeight_};
    }

  private:
    const WindowManager& windows_;
    std::unordered_map<int, std::int32_t> table_;
    std::vector<Rect> found_;
    int monitorCount_ = 0;
    std::int32_t virtualScreenWidth_ = 0;
    std::int32_t virtualScreenHeight_ = 0;
    Point virtualScreenOrigin_;
};

}  // namespace tilora
