// The ending's credit lines (Shift-JIS in the game), drawn 20 pixels apart while the clock is in 251..400.
#pragma once

constexpr int kEndingCreditLineCount = 7;
extern const char* const kEndingCreditLines[kEndingCreditLineCount];
