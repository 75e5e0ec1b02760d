// SPDX-License-Identifier: MIT
// What the page sees of the core.
#include <emscripten/bind.h>

#include "board.h"
#include "presentation/launcher_layout.h"
#include "presentation/magnification.h"
#include "presentation/results_text.h"
#include "presentation/twips.h"
#include "results/results.h"
#include "results_data.h"
#include "windows_data.h"

EMSCRIPTEN_BINDINGS(kobaru) {
  using kobaru::Board;
  using kobaru::MenuAction;
  using kobaru::Results;
  using kobaru::View;
  emscripten::value_object<View>("View")
      .field("factor", &View::factor)
      .field("left", &View::left)
      .field("top", &View::top);
  emscripten::function("fitDesigned", &kobaru::fitDesigned);
  emscripten::constant("kTwipsPerPixel", kobaru::kTwipsPerPixel);
  emscripten::enum_<MenuAction>("MenuAction")
      .value("OpenPractice", MenuAction::OpenPractice)
      .value("ShowHelp", MenuAction::ShowHelp)
      .value("ExitProgram", MenuAction::ExitProgram)
      .value("ShowAbout", MenuAction::ShowAbout)
      .value("ShowResults", MenuAction::ShowResults);
  emscripten::function("launcherLayout", &kobaru::launcherLayout);
  emscripten::function("aboutLayout", &kobaru::aboutLayout);
  emscripten::function("helpLayout", &kobaru::helpLayout);
  emscripten::function("resultsLayout", &kobaru::resultsLayout);
  emscripten::function("resultsChart", &kobaru::resultsChart);

  // The trainee's results, kept by the page for the program's life and handed to each board.
  emscripten::class_<Results>("Results")
      .constructor<>()
      .function(
          "revision", +[](const Results& r) { return static_cast<double>(r.revision()); })
      .function("view", &kobaru::resultsView)
      .function(
          "tsv", +[](const Results& r) { return kobaru::resultsTsv(r.lots()); })
      .function("clear", &Results::clear);

  emscripten::class_<Board>("Board")
      .constructor<emscripten::val, Results&, bool, double, double>()
      .function("layout", &Board::layout)
      .function("elements", &Board::elements)
      .function("input", &Board::input)
      .function("now", &Board::now);
}
