// Float positions become whole pixels by truncation toward zero. Positions that drift for hours while
// parked are held inside the int range first.
#pragma once

inline int ToPixel(float v) {
  constexpr float kLimit = 1.0e9f;
  if (v > kLimit) v = kLimit;
  if (v < -kLimit) v = -kLimit;
  return static_cast<int>(v);
}
