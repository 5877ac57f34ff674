// A small program on the toolkit alone, for the smoke test that drives it
// under a real X server: it writes every event it sees to the file named by
// its argument, one line each.
#include <fstream>
#include <string>

#include "radixcore/gbk.h"
#include "toolkit/toolkit.h"

namespace {

std::ofstream journal;

void Note(const std::string& line) { journal << line << '\n' << std::flush; }

tk::Control Make(tk::Kind kind, const char* utf8Name, int x, int y, int width, int height) {
  return tk::Placed(kind, GbkFromUtf8(utf8Name), x, y, width, height);
}

tk::WindowLayout ProbeLayout() {
  tk::WindowLayout layout;
  layout.caption = "工具包探针"_gbk;
  layout.outerWidth = 400;
  layout.outerHeight = 300;
  tk::Control label = Make(tk::Kind::Label, "标签1", 8, 8, 48, 24);
  label.text = "P0="_gbk;
  label.font = {"宋体"_gbk, 19, true};
  layout.controls.push_back(label);
  tk::Control field = Make(tk::Kind::EditBox, "输入10", 60, 8, 128, 33);
  field.text = "10";
  field.inputMode = tk::InputMode::Integer;
  layout.controls.push_back(field);
  tk::Control lamp = Make(tk::Kind::ShapeBox, "A1", 200, 8, 30, 8);
  lamp.shape = tk::ShapeKind::Ellipse;
  lamp.fill = 255;
  layout.controls.push_back(lamp);
  return layout;
}

std::vector<tk::Binding> ProbeBindings() {
  std::vector<tk::Binding> bindings;
  for (const char* utf8 : {"", "标签1", "输入10", "A1"}) {
    const ByteText control = GbkFromUtf8(utf8);
    const std::string shown = *utf8 ? utf8 : "window";
    bindings.push_back(tk::On(control, tk::EventKind::GotFocus, [shown] { Note(shown + " GotFocus"); }));
    bindings.push_back(tk::On(control, tk::EventKind::DoubleClick, [shown] { Note(shown + " DoubleClick"); }));
    bindings.push_back(
        tk::On(control, tk::EventKind::LeftButtonReleased, [shown] { Note(shown + " LeftButtonReleased"); }));
  }
  const ByteText field = "输入10"_gbk;
  bindings.push_back(tk::On(field, tk::EventKind::KeyReleased, [field](const tk::EventArgs& args) {
    Note("输入10 KeyReleased " + std::to_string(args.keyCode) + " " + Utf8FromGbk(tk::GetText(field)));
  }));
  bindings.push_back(tk::On(tk::kWindow, tk::EventKind::Created, [] {
    tk::SetVisualStyle(2);
    Note("window Created");
  }));
  return bindings;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  journal.open(argv[1]);
  tk::Initialise(argc, argv);
  tk::RegisterExitRoutine([] { Note("exit routine"); });
  tk::LoadWindow(ProbeLayout(), ProbeBindings());
  return tk::RunEventLoop();
}
