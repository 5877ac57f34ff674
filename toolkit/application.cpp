#include "toolkit/application.h"

#include <QApplication>
#include <QEventLoop>
#include <QStyle>
#include <QStyleFactory>
#include <vector>

#include "toolkit/fonts.h"
#include "toolkit/form_window.h"
#include "toolkit/window_state.h"

namespace tk {
namespace {

std::vector<std::function<void()>>& ExitRoutines() {
  static std::vector<std::function<void()>> routines;
  return routines;
}

}  // namespace

void Initialise(int& argc, char** argv) {
  if (QApplication::instance()) return;
  {
    const detail::FontConfigurationPreload preload;
    // Lives as long as the process and is never destroyed: destroying it
    // among the static destructors at exit would outlive the Qt state it
    // needs. QApplication keeps a reference to argc, which outlives it too.
    new QApplication(argc, argv);
  }
  // The window's close ends the loop (RunEventLoop), not Qt's own rule.
  QApplication::setQuitOnLastWindowClosed(false);
  // One style everywhere, so that the windows look the same on every desktop.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  QApplication::setPalette(QApplication::style()->standardPalette());
  detail::InstallFonts();
}

void RegisterExitRoutine(std::function<void()> routine) {
  if (routine) ExitRoutines().push_back(std::move(routine));
}

int RunEventLoop() {
  detail::WindowState* state = detail::CurrentWindow();
  if (state && state->window && state->window->isVisible()) {
    QEventLoop loop;
    state->runningLoop = &loop;
    loop.exec();
    if (detail::WindowState* after = detail::CurrentWindow()) after->runningLoop = nullptr;
  }
  detail::RunExitRoutines();
  detail::DestroyCurrentWindow();
  return 0;
}

namespace detail {

void RunExitRoutines() {
  std::vector<std::function<void()>> routines;
  routines.swap(ExitRoutines());
  for (auto& routine : routines) routine();
}

}  // namespace detail
}  // namespace tk
