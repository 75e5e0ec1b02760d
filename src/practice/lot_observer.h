// SPDX-License-Identifier: MIT
#pragma once

namespace kobaru {

class Form1;

// Watches the lots of a practice screen without steering them: the screen tells it the moments
// below, and it reads whatever else it needs from the form, which it never changes.
class LotObserver {
 public:
  enum class Moment {
    RecordLine,        // a line went into the bid record: the newest of recordLines
    BidButtonPressed,  // the trainee pressed the bid button while bidding was open
    SellOut,           // the sell-out was declared, with or without its record line
    LotPrepared,       // the next lot's conditions go onto the board
    ForcedStop,        // the forced stop, before its reset
    PracticeEnded,     // the end of practice, before the screen closes
  };

  virtual ~LotObserver() = default;
  virtual void notice(const Form1& form, Moment moment) = 0;
};

}  // namespace kobaru
