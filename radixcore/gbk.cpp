#include "radixcore/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// One iconv conversion, replacing every character the target cannot hold, or
// the source does not form, by "?" and going on after it.
std::string Convert(const char* to, const char* from, std::string_view input, std::size_t maxInputCharBytes) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  std::string out;
  out.resize(input.size() * 2 + 16);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    if (rc != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      std::size_t used = static_cast<std::size_t>(outPtr - out.data());
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: one unusable character. Skip the bytes of one whole
    // source character where we can tell its length, else a single byte.
    std::size_t skip = 1;
    if (errno == EILSEQ && maxInputCharBytes == 4) {
      const auto lead = static_cast<unsigned char>(*in);
      skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      // A cut-off UTF-8 sequence counts as one bad byte.
      for (std::size_t k = 1; k < skip; ++k) {
        if (k >= inLeft || (static_cast<unsigned char>(in[k]) & 0xC0) != 0x80) {
          skip = 1;
          break;
        }
      }
    } else if (errno == EILSEQ && maxInputCharBytes == 2) {
      // A lead byte takes a well-formed trail byte with it; a byte that cannot
      // trail (an ASCII digit, say) stays to be read on its own.
      if (static_cast<unsigned char>(*in) >= 0x80 && inLeft >= 2) {
        const auto trail = static_cast<unsigned char>(in[1]);
        if (trail >= 0x40 && trail != 0x7F && trail != 0xFF) skip = 2;
      }
    } else if (errno == EINVAL) {
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
  }
  out.resize(static_cast<std::size_t>(outPtr - out.data()));
  iconv_close(cd);
  return out;
}

}  // namespace

ByteText GbkFromUtf8(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, 4); }

std::string Utf8FromGbk(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, 2); }

ByteText operator""_gbk(const char* utf8, std::size_t length) { return GbkFromUtf8(std::string_view(utf8, length)); }
