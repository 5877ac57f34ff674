// Long texts that mix what GBK holds with what it does not, and bytes that
// form no character, converted whole: each piece comes out exactly as it
// does on its own, wherever the conversion's internal stretches fall.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "radixcore/gbk.h"

namespace {

struct Piece {
  std::string input;
  std::string output;  // converted on its own
};

// Pieces that do not change meaning when put side by side: none begins
// with a byte that could complete the piece before it.
std::vector<Piece> PiecesFor(const std::vector<std::string>& inputs, std::string (*convert)(std::string_view)) {
  std::vector<Piece> pieces;
  for (const std::string& input : inputs) pieces.push_back({input, convert(input)});
  return pieces;
}

void ExpectPiecewise(const std::vector<Piece>& pieces, std::string (*convert)(std::string_view)) {
  for (const std::uint64_t seed : {1u, 2u, 3u}) {
    std::mt19937_64 random(seed);
    std::string input;
    std::string expected;
    while (input.size() < 200'000) {
      const Piece& piece = pieces[random() % pieces.size()];
      input += piece.input;
      expected += piece.output;
    }
    const std::string converted = convert(input);
    ASSERT_EQ(converted.size(), expected.size()) << "seed " << seed;
    EXPECT_TRUE(converted == expected) << "seed " << seed;
  }
}

std::string ToGbk(std::string_view utf8) { return GbkFromUtf8(utf8); }
std::string FromGbk(std::string_view gbk) { return Utf8FromGbk(gbk); }

TEST(GbkMixedText, TowardsGbkEveryPieceAsOnItsOwn) {
  // ASCII, Chinese, full-width, Korean, Thai, an emoji, a byte that starts
  // nothing and a sequence cut short before an ASCII digit.
  const std::vector<Piece> pieces =
      PiecesFor({"7", "a", "晶振", "ａ", "한", "한국어", "ก", "😀", "\xFF", "\xE6\x99" "1"}, ToGbk);
  ASSERT_EQ(pieces[4].output, "?");
  ExpectPiecewise(pieces, ToGbk);
}

TEST(GbkMixedText, FromGbkEveryPieceAsOnItsOwn) {
  // Digits, two Chinese characters, and a lead byte before a byte that
  // cannot trail it.
  const std::vector<Piece> pieces = PiecesFor({"0", "A", "\xB0\xA1", "\xD6\xD0", "\x81" "0"}, FromGbk);
  ASSERT_EQ(pieces[4].output, "?0");
  ExpectPiecewise(pieces, FromGbk);
}

}  // namespace
