// SPDX-License-Identifier: MIT
#include "hall/hall_csv.h"

#include <string_view>

#include "presentation/results_text.h"

namespace kobaru {

namespace {

// A plain decimal number, signed or not: what the results write.
bool plainNumber(std::string_view cell) {
  if (!cell.empty() && (cell.front() == '-' || cell.front() == '+')) cell.remove_prefix(1);
  int digits = 0, points = 0;
  for (const char c : cell) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return digits > 0 && points <= 1;
}

// A cell a spreadsheet would read as a formula: one that begins with = + - @ (or a tab or a
// carriage return before them) and is not a plain number.
bool formulaLike(const std::string& cell) {
  return !cell.empty() &&
         std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos &&
         !plainNumber(cell);
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
