// SPDX-License-Identifier: MIT
// The bid record: one line per event of the lot, written under the header.
#include "practice/form1.h"
#include "practice/numbers.h"
#include "practice/record_labels.h"

namespace kobaru {

namespace {
constexpr char kNewLine[] = "\r\n";
}

void Form1::recordReset() {
  ousatu.text = labels::kHeader;
}

void Form1::recordLine(const char* label) {
  kakakuman = kakaku / 10;
  kirokukakaku = priceText(kakakuman);
  kirokumei = label;
  appendRecordLine();
}

void Form1::appendRecordLine() {
  ousatu.text += kNewLine + kirokumei + kirokukakaku;
  tell(LotObserver::Moment::RecordLine);
}

void Form1::recordBid(const char* label) {
  recordLine(label);
  ousatukakaku = kakakuman;
}

void Form1::recordFinalBid() {
  const char* label = ousatukakaku == sutatokakaku ? labels::kNoCall : labels::kFinalBid;
  ousatu.text += std::string(kNewLine) + kNewLine + label + saisyuuousatu;
}

// The reminder that a won lot waits for the trainee's confirmation.
void Form1::Timer5_Timer() {
  host_.beep();
}

}  // namespace kobaru
