#include "baudfind/baud_window.h"

#include "baudfind/baud_table.h"
#include "baudfind/layout.h"
#include "radixcore/text.h"

namespace {

constexpr int kVisualStyle = 2;

}  // namespace

void ListBaudRates() {
  tk::SetText(OutputBoxName(), "");
  // The frequency and the doubling are taken once, at the click; later edits
  // wait for the next click.
  const std::int32_t crystal = TextToInt(tk::GetText(CrystalBoxName()));
  const int factor = DivisorFactor(tk::GetChecked(DoublingBoxName()));
  for (int reload = kHighestReload; reload >= 0; --reload) {
    const float baud = BaudRate(crystal, reload, factor);
    // Each line shows the crystal text as it stands now, exactly as typed.
    tk::AppendText(OutputBoxName(), BaudLine(tk::GetText(CrystalBoxName()), reload, baud));
    tk::SetText(tk::kWindow, ProgressCaption(reload, ProgressPercentage(reload)));
  }
}

std::vector<tk::Binding> BaudFindBindings() {
  return {
      tk::On(tk::kWindow, tk::EventKind::Created, [] { tk::SetVisualStyle(kVisualStyle); }),
      tk::On(ListButtonName(), tk::EventKind::Clicked, [] { ListBaudRates(); }),
  };
}

void OpenBaudFindWindow() { tk::LoadWindow(BaudFindLayout(), BaudFindBindings()); }
