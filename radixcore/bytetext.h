#pragma once
// ByteText: the one text type of the programs. It holds GBK bytes (code page
// 936) in a std::string; lengths and positions count bytes, from 1. A byte of
// 0x80 or above starts a two-byte character together with the byte after it.
//
// Chinese literals are written readably in UTF-8 and turned into GBK with the
// _gbk suffix: "参数错误-"_gbk. The conversion is glibc's iconv, so the same
// source gives the same bytes under every compiler we build with.

#include <cstddef>
#include <string>

using ByteText = std::string;

ByteText operator""_gbk(const char* utf8, std::size_t length);
