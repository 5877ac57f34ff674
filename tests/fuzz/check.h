#pragma once
// A property check for the fuzz targets: a broken property stops the run
// with the property's name, so the fuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>

inline void Check(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
  }
}
