#pragma once
// The one conversion routine the three programs share.

#include "radixcore/bytetext.h"

// Converts the digits of text, written in base `from`, into base `to` (both
// 2 to 36). text is replaced by its normalised form (full-width forms folded,
// upper case), which the caller discards. Returns the upper-case digits of the
// value without leading zeros; the normalised text itself when the bases are
// equal; "参数错误-进制只能在2-36之间" for a base outside 2 to 36; or
// "参数错误-" + text + "不是一个有效的" + base name + "进制数！" when a byte of
// text is not a digit of `from`. The value is computed exactly at any length.
ByteText ConvertRadix(ByteText& text, int from, int to);

// The name of a base in the digit message: the amount reading without its
// last two characters, so 10 reads "一十" and 16 "一十六".
ByteText BaseName(int base);
