#include "radixcore/gbk.h"

#include <gtest/gtest.h>

namespace {

TEST(GbkBoundary, RoundTripsWhatGbkHolds) {
  const char* samples[] = {"", "FF", "参数错误-进制只能在2-36之间", "晶振频率:12000000Hz\t", "１２ＡＢ　～"};
  for (const char* utf8 : samples) EXPECT_EQ(Utf8FromGbk(GbkFromUtf8(utf8)), utf8);
}

TEST(GbkBoundary, ChineseTakesTwoBytes) {
  EXPECT_EQ(GbkFromUtf8("宋体").size(), 4u);
  EXPECT_EQ(GbkFromUtf8("ａ").size(), 2u);
  EXPECT_EQ(GbkFromUtf8("a").size(), 1u);
}

TEST(GbkBoundary, WhatCannotBeHeldBecomesAQuestionMark) {
  struct Row {
    std::string input;
    std::string output;
  };
  // Towards GBK: characters outside it, and malformed UTF-8.
  const Row toGbk[] = {
      {"a😀b", "a?b"},
      {"한", "?"},
      {"x\xC3", "x?"},          // a cut-off sequence at the end
      {"\xFF" "1", "?1"},       // a byte that starts nothing
  };
  for (const Row& row : toGbk) EXPECT_EQ(GbkFromUtf8(row.input), row.output) << row.input;
  // From GBK: a lone lead byte at the end, and a lead byte before a byte that
  // cannot trail it, which stays to be read.
  const Row fromGbk[] = {
      {"12\xB0", "12?"},
      {"\x81" "0", "?0"},
  };
  for (const Row& row : fromGbk) EXPECT_EQ(Utf8FromGbk(row.input), row.output) << row.input;
}

}  // namespace
