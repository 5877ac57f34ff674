#include "radixcore/gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <stdexcept>

namespace {

// One conversion direction. Opening a descriptor looks the converter up
// afresh each time, which costs more than converting a field's text, and
// the toolkit converts on every text it reads or writes: each direction is
// opened once and kept for the life of the process. A descriptor carries
// state, so one conversion at a time uses it.
struct Direction {
  std::mutex inUse;
  iconv_t descriptor;
};

Direction& Open(const char* to, const char* from) {
  // Never closed: conversions may still run while static objects are
  // destroyed at exit.
  auto* direction = new Direction;
  direction->descriptor = iconv_open(to, from);
  if (direction->descriptor == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  return *direction;
}

// One iconv conversion, replacing every character the target cannot hold, or
// the source does not form, by "?" and going on after it.
std::string Convert(Direction& direction, std::string_view input, std::size_t maxInputCharBytes) {
  const std::lock_guard<std::mutex> lock(direction.inUse);
  iconv_t cd = direction.descriptor;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  std::string out;
  out.resize(input.size() * 2 + 16);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  // iconv reads a whole buffer ahead before it reports a character it cannot
  // convert, so a text full of them (a pasted script GBK lacks) would pay for
  // that buffer once per character, seconds for a long paste: after each one
  // the input is offered in short stretches, doubled while they convert.
  constexpr std::size_t kShortStretch = 16;
  std::size_t stretch = input.size();
  while (inLeft > 0) {
    const std::size_t offered = std::min(stretch, inLeft);
    std::size_t offeredLeft = offered;
    const std::size_t rc = iconv(cd, &in, &offeredLeft, &outPtr, &outLeft);
    const int error = errno;
    inLeft -= offered - offeredLeft;
    if (rc != static_cast<std::size_t>(-1)) {
      if (stretch < inLeft) stretch *= 2;
      continue;
    }
    // A character cut by the end of the stretch, not of the input, begins
    // the next stretch.
    if (error == EINVAL && offeredLeft < inLeft) continue;
    if (error == E2BIG) {
      std::size_t used = static_cast<std::size_t>(outPtr - out.data());
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: one unusable character. Skip the bytes of one whole
    // source character where we can tell its length, else a single byte.
    std::size_t skip = 1;
    if (error == EILSEQ && maxInputCharBytes == 4) {
      const auto lead = static_cast<unsigned char>(*in);
      skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      // A cut-off UTF-8 sequence counts as one bad byte.
      for (std::size_t k = 1; k < skip; ++k) {
        if (k >= inLeft || (static_cast<unsigned char>(in[k]) & 0xC0) != 0x80) {
          skip = 1;
          break;
        }
      }
    } else if (error == EILSEQ && maxInputCharBytes == 2) {
      // A lead byte takes a well-formed trail byte with it; a byte that cannot
      // trail (an ASCII digit, say) stays to be read on its own.
      if (static_cast<unsigned char>(*in) >= 0x80 && inLeft >= 2) {
        const auto trail = static_cast<unsigned char>(in[1]);
        if (trail >= 0x40 && trail != 0x7F && trail != 0xFF) skip = 2;
      }
    } else if (error == EINVAL) {
      skip = inLeft;  // an incomplete character at the very end
    }
    if (skip > inLeft) skip = inLeft;
    in += skip;
    inLeft -= skip;
    if (outLeft == 0) {
      std::size_t used = static_cast<std::size_t>(outPtr - out.data());
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
    }
    *outPtr++ = '?';
    --outLeft;
    stretch = kShortStretch;
  }
  out.resize(static_cast<std::size_t>(outPtr - out.data()));
  return out;
}

}  // namespace

ByteText GbkFromUtf8(std::string_view utf8) {
  static Direction& toGbk = Open("GBK", "UTF-8");
  return Convert(toGbk, utf8, 4);
}

std::string Utf8FromGbk(std::string_view gbk) {
  static Direction& toUtf8 = Open("UTF-8", "GBK");
  return Convert(toUtf8, gbk, 2);
}

ByteText operator""_gbk(const char* utf8, std::size_t length) { return GbkFromUtf8(std::string_view(utf8, length)); }
