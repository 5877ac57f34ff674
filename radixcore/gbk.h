#pragma once
// Conversions between GBK byte text and UTF-8, the only two encodings the
// programs meet. Characters that GBK cannot hold become "?", as they would in
// a program that works in the GBK code page.

#include <string>
#include <string_view>

#include "radixcore/bytetext.h"

ByteText GbkFromUtf8(std::string_view utf8);

// Invalid sequences and a lone lead byte at the end each become "?".
std::string Utf8FromGbk(std::string_view gbk);
