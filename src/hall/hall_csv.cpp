// SPDX-License-Identifier: MIT
#include "hall/hall_csv.h"

#include <charconv>
#include <string_view>

#include "presentation/results_text.h"

namespace kobaru {

namespace {

// A cell a spreadsheet would read as a formula: one that begins with = + - @ (or a tab or a
// carriage return before them) and is not a plain number.
bool formulaLike(const std::string& cell) {
  if (cell.empty() || std::string_view("=+-@\t\r").find(cell.front()) == std::string_view::npos)
    return false;
  double number = 0;
  const auto [end, error] =
      std::from_chars(cell.data() + (cell.front() == '+'), cell.data() + cell.size(), number);
  return error != std::errc() || end != cell.data() + cell.size();
}

void appendCell(std::string& out, const std::string& cell) {
  const bool formula = formulaLike(cell);
  if (!formula && cell.find_first_of(",\"\r\n") == std::string::npos) {
    out += cell;
    return;
  }
  out += '"';
  // Read as text, not run.
  if (formula) out += '\'';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void appendLine(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    appendCell(out, cells[i]);
  }
  out += "\r\n";
}

}  // namespace

NamedCells namedCells(const TraineeLot& lot) {
  return {lot.name, lotCells(*lot.lot)};
}

std::string hallCsv(const std::vector<NamedCells>& lots) {
  std::string out;
  std::vector<std::string> headings = {kNameHeading};
  for (const char* h : lotHeadings()) headings.emplace_back(h);
  appendLine(out, headings);
  for (const NamedCells& l : lots) {
    std::vector<std::string> cells = {l.name};
    cells.insert(cells.end(), l.cells.begin(), l.cells.end());
    appendLine(out, cells);
  }
  return out;
}

}  // namespace kobaru
