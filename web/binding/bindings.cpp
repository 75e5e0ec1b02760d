// SPDX-License-Identifier: MIT
// What the page sees of the core.
#include <emscripten/bind.h>

#include "board.h"
#include "presentation/magnification.h"
#include "results_data.h"
#include "windows_data.h"

EMSCRIPTEN_BINDINGS(kobaru) {
  using kobaru::Board;
  using kobaru::View;
  emscripten::value_object<View>("View")
      .field("factor", &View::factor)
      .field("left", &View::left)
      .field("top", &View::top);
  emscripten::function("fitDesigned", &kobaru::fitDesigned);
  emscripten::function("launcherLayout", &kobaru::launcherLayout);
  emscripten::function("aboutTexts", &kobaru::aboutTexts);
  emscripten::function("resultsTexts", &kobaru::resultsTexts);

  emscripten::class_<Board>("Board")
      .constructor<emscripten::val, bool, double, double>()
      .function("load", &Board::load)
      .function("elements", &Board::elements)
      .function("changes", &Board::changes)
      .class_function("buttonEvents", &Board::buttonEvents)
      .class_function("entryEvents", &Board::entryEvents)
      .function("press", &Board::press)
      .function("release", &Board::release)
      .function("click", &Board::click)
      .function("keyPress", &Board::keyPress)
      .function("entryClick", &Board::entryClick)
      .function("typed", &Board::typed)
      .function("setFocus", &Board::setFocus)
      .function("focus", &Board::focus)
      .function("tick", &Board::tick)
      .function("wait", &Board::wait)
      .function("resumeAfterPause", &Board::resumeAfterPause)
      .function("now", &Board::now)
      .function("resultsRevision", &Board::resultsRevision)
      .function("results", &Board::results)
      .function("resultsTsv", &Board::resultsTsv);
}
