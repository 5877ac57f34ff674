#pragma once
// The names the converter window gives its controls and the prompts it puts
// in its caption. They are GBK texts made at run time, so each is reached
// through a function that builds it once.

#include "radixcore/bytetext.h"

namespace radixconv {

// The three number fields: 输入10, 输入16, 输入2.
const ByteText& DecimalField();
const ByteText& HexField();
const ByteText& BinaryField();

// The bit lamp 外形框k and the label 标签k beside it, for k from 1 (D0) to 8 (D7).
const ByteText& BitLamp(int number);
const ByteText& BitLabel(int number);

// The captions that tell the user which base the focused field expects.
const ByteText& DecimalPrompt();
const ByteText& HexPrompt();
const ByteText& BinaryPrompt();

}  // namespace radixconv
