#include "baudfind/layout.h"

const ByteText& CrystalBoxName() {
  static const ByteText name = "编辑框1"_gbk;
  return name;
}

const ByteText& DoublingBoxName() {
  static const ByteText name = "选择框1"_gbk;
  return name;
}

const ByteText& ListButtonName() {
  static const ByteText name = "按钮1"_gbk;
  return name;
}

const ByteText& OutputBoxName() {
  static const ByteText name = "找到的波特率"_gbk;
  return name;
}

namespace {

using tk::Placed;

tk::Control CrystalBox() {
  tk::Control box = Placed(tk::Kind::EditBox, CrystalBoxName(), 64, 8, 72, 24, "12000000");
  box.backColor = tk::kWhite;
  box.alignment = tk::Alignment::Centre;
  return box;
}

tk::Control OutputBox() {
  tk::Control box = Placed(tk::Kind::EditBox, OutputBoxName(), 0, 35, 472, 197, "");
  box.backColor = tk::kWhite;
  box.multiLine = true;
  return box;
}

}  // namespace

tk::WindowLayout BaudFindLayout() {
  tk::WindowLayout layout;
  layout.caption = "寻找波特率"_gbk;
  layout.outerWidth = 479;
  layout.outerHeight = 258;
  // The crystal box comes first so that it holds the focus when the window opens.
  layout.controls = {
      CrystalBox(),
      Placed(tk::Kind::Label, "标签1"_gbk, 8, 8, 64, 24, "晶振频率："_gbk),
      Placed(tk::Kind::CheckBox, DoublingBoxName(), 208, 8, 80, 24, "波特率倍增"_gbk),
      Placed(tk::Kind::Button, ListButtonName(), 352, 8, 104, 24, "开始列出波特率"_gbk),
      OutputBox(),
  };
  return layout;
}
