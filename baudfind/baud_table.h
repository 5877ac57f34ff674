#pragma once
// The baud-rate table: for one crystal frequency, the rate a timer in 8-bit
// auto-reload mode gives for each reload value, and the texts the window
// shows for it. Pure functions; no window code.

#include <cstdint>

#include "radixcore/bytetext.h"

// Reload values run from kHighestReload down to 0.
inline constexpr int kTimerRange = 256;
inline constexpr int kHighestReload = kTimerRange - 1;

// The timer's overflow rate is divided by 384, or by 192 with the baud rate
// doubled.
inline constexpr int kFactorPlain = 384;
inline constexpr int kFactorDoubled = 192;

int DivisorFactor(bool doubling);

// crystal / ((256 - reload) * factor), each step in double precision, the
// result rounded to single precision as the table shows it.
float BaudRate(std::int32_t crystal, int reload, int factor);

// One table line, ending in CR LF; crystalText is shown exactly as typed.
ByteText BaudLine(const ByteText& crystalText, int reload, float baud);

// How much of the table is done once the line of reload is written:
// the share of the 256 reload values already covered, truncated.
int ProgressPercentage(int reload);

// The window caption while the line of reload is being listed.
ByteText ProgressCaption(int reload, int percentage);
