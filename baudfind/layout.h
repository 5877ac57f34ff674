#pragma once
// The baud-rate finder's window, as data.

#include "radixcore/bytetext.h"
#include "toolkit/toolkit.h"

// The control names the layout gives; handlers and tests reach controls by them.
const ByteText& CrystalBoxName();   // 编辑框1: the crystal frequency in Hz
const ByteText& DoublingBoxName();  // 选择框1: baud-rate doubling
const ByteText& ListButtonName();   // 按钮1: lists the table
const ByteText& OutputBoxName();    // 找到的波特率: the table

tk::WindowLayout BaudFindLayout();
