#include "radixconv/converter_window.h"

int main(int argc, char** argv) { return radixconv::RunConverter(argc, argv); }
