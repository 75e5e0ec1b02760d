// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bidding/sell_out_states.h"
#include "practice/elements.h"
#include "practice/host.h"
#include "practice/lot_observer.h"
#include "practice/random.h"
#include "practice/record_labels.h"
#include "practice/scheduler.h"

namespace kobaru {

// The practice screen: the board of the auction hall, the operator's panel and the trainee's bid
// button. Its handlers share state only through the fields below and the elements' properties.
class Form1 {
 public:
  Form1(Host& host, Rnd rnd);

  enum class Lamp { Green, Yellow, Red, Dark };
  // The sell-out button's states, from their table.
  using SellOut = kobaru::SellOut;
  // How a lot is awarded: by the decision, or to the first bid above a cut-off.
  enum class Ending { Decision, CutOff };

  // The lot picture shown after a reset; the next lots step on from it.
  static constexpr int kFirstLotPicture = 1001;
  // One step of the clock, thousands of yen.
  static constexpr int kPriceStep = 3;
  // The four digit boxes of the board (百 十 万 ． 千) hold up to 9,999 thousand yen.
  static constexpr double kLargestShownPrice = 9999;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Scheduler scheduler;

  // The screen's state. Flags hold 0 or 1; prices count thousands of yen (200 is 200,000 yen)
  // unless marked as ten-thousands, the unit of the bid record.

  // --- Mode and lot conditions
  int modo = 0;        // mode: 0 manual ("手動モード"), 2 full-automatic ("デモモード")
  int settei = 0;      // flag: the manual lot's conditions are set; preparation refused
  int sutatofuka = 0;  // flag: start lock, Start and Restart do nothing
  double syuppinbangou = 0;  // number of the lot on the board; 1000 after a reset
  double kakaku = 0;         // price of the auction clock
  double urikiri = 0;        // sell-out (reserve) price the floor works with; 0 = none
  double meyasuti = 0;       // guide price shown on the board, ten-thousands of yen
  int teisihaba = 0;         // margin below the reserve at which the clock stops: 11 or 33
  double sokudo = 0;         // clock step from the speed entry, seconds
  double kankaku = 0;        // clock step, milliseconds (sokudo x 1000, unrounded)

  // --- Price display digits, written by hyouji
  double hyakuman = 0;  // millions digit of the price
  double jyuuman = 0;   // hundreds-of-thousands digit
  double man = 0;       // ten-thousands digit
  double sen = 0;       // thousands digit

  // --- The lot under the hammer (flags)
  int serityuu = 0;     // the auction of the lot is in progress
  int simekiri = 0;     // bidding closed: the trainee's bid button does nothing
  int syuuryou = 0;     // the lot has ended: decided, awarded or unsold
  int urikirityuu = 0;  // the sell-out is declared: the lot goes to the holder of the right
  int taninkenri = 0;   // another buyer holds the right (0: the trainee does)
  int syudouseri = 0;   // an operator step, continuous raise or sell-out since the (re)start
  int osityuu = 0;      // the trainee's held bid button drives the clock
  int kaisinaosi = 0;   // another buyer raised since the countdown last restarted

  // --- Prices and texts of the bid record
  double kakakuman = 0;       // price of the newest record line, ten-thousands of yen
  std::string kirokukakaku;   // its price text, "###.0"
  std::string kirokumei;      // its label
  double ousatukakaku = 0;    // price of the last recorded bid, ten-thousands of yen
  double sutatokakaku = 0;    // start price of the lot, ten-thousands of yen
  double saiserikakaku = 0;   // price at which the last re-auction restarted
  double mikirikakaku = 0;    // price at the cut-off
  std::string saisyuuousatu;  // price text of a no sale's final-bid line

  // --- Counters of the timer-driven sequences, in ticks of their timer
  int ketteikaisuu = 0;     // seconds of the decision countdown (Timer6), 0 to 3
  int urikirikaisuu = 0;    // Timer15 ticks before a delayed sell-out
  int ryuusatukaisuu = 0;   // Timer16 ticks before a delayed no sale
  int mikirikaisuu = 0;     // seconds of the cut-off timeout (Timer21)
  int teisikaisuu = 0;      // seconds since the automatic stop (Timer10)
  int modosikaisuu = 0;     // Timer13 ticks before the automatic step back
  int saisutatokaisuu = 0;  // Timer14 ticks before the automatic restart
  int coranpu = 0;          // Timer3 ticks of the lamp flash after an operator step
  int youranpu = 0;         // Timer4 ticks of the red flash after the trainee's raise
  int tenmetukaisuu = 0;    // blink phase of the cut-off watch (Timer12)
  int demokaisuu = 0;       // seconds of the full-automatic countdowns (Timer18, Timer20)

  // --- Draws of the full-automatic practice
  int copatan = 0;       // the simulated operator's raising pattern, 0 to 5
  double teisiue = 0;    // pattern 1 stops raising at this price
  double teisisita = 0;  // pattern 3 stops raising at this price
  int habaransuu = 0;    // the draw that chose teisihaba
  // The simulated floor's limit for the lot, drawn with its conditions: past the sell-out it bids
  // no higher, as a real buyer stops at what the car is worth to him. 0: no limit (no reserve).
  double floorLimit = 0;

  // --- Bid assist
  int hojonasi = 0;         // flag: bid assist off, the countdown not shown
  Color kenriiro = kBlack;  // colour of the right sign when the trainee gains the right

  // --- Files
  std::string apppath;      // program folder with a trailing separator
  std::string sutatowav;    // start cue
  std::string rakusatuwav;  // award cue
  std::string nagarewav;    // no-sale cue
  int gazoubangou = 0;      // number of the lot picture
  std::string gazou;        // path of the lot picture

  // --- Main price board
  Line Line1, Line2, Line3, Line4;
  Label Label9;
  TextBox syuppin;
  Label Label15;
  TextBox nensiki;
  Label Label17, Label14, Label16;
  TextBox tenmei;
  Label midori, kiiro, aka, Label13;
  TextBox Text1, Text2, Text3;
  Label Label4;
  TextBox Text4;
  Label Label1, Label2, Label3, Label5, Label6, Label10;

  // --- Bid and confirm buttons
  Button Command12, Command14;

  // --- Decision countdown, guide price and next-lot area
  Label nokori;
  TextBox nokori2;
  Label Label27, meyasu;
  TextBox meyasugaku;
  Label jiseri, genseri, Label28;
  TextBox syuppin2;
  Picture Image1;
  Label kenri2;

  // --- Lower board
  Label tenmei1, jibun, tanin, midori2, kiiro2, aka2, sutato2, urikiri2, kettei2, Label24;
  TextBox hyakuman2, jyuuman2, man2, sen2;
  Label Label25;

  // --- Left control panel
  Picture Image3;
  Label Label26;
  Button syudou, semi, Command26;
  Label modo10, Label7;
  TextBox Text6;
  Label Label11;
  TextBox Text8;
  Label Label8;
  TextBox Text7;
  Label Label18;
  Button Command11, Command1;
  Label Label12;
  TextBox Text9;
  Label kenri;
  Button Command7, Command2, Command15, Command4, Command5, Command6, Command13, Command3,
      Command24, Command8, Command9, Command22, Command10, Command23, Command25;
  Button Command20, Command21;
  Label Label20, Label21;
  Button Command18, Command19;
  Label Label22, Label23;
  Button seiseki;

  // --- Bid record
  TextBox ousatu;
  // Its lines below the header as structure, oldest first; cleared with the record.
  std::vector<RecordLine> recordLines;
  std::uint64_t recordsBegun = 0;  // counts the record's fresh starts: lines are only added between

  // --- The trainees at the bid button: one in the single-user program, bidder 0; in a hall,
  // several, each input of theirs run with its bidder as the actor.
  int actor = 0;        // the bidder whose input the handler serves
  int rightHolder = 0;  // the bidder who holds the right while taninkenri is 0

  // --- Timers
  Timer &Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9, &Timer10,
      &Timer11, &Timer12, &Timer13, &Timer14, &Timer15, &Timer16, &Timer17, &Timer18, &Timer19,
      &Timer20, &Timer21;

  // The element holding the keyboard focus, or nullptr.
  Element* focus = nullptr;

  // Told of the moments that make up each lot (the trainee's results); nullptr: nobody watches.
  LotObserver* observer = nullptr;

  // --- Opening, forced stop and end of practice
  void Form_Load();
  void Command23_Click();
  void Command25_Click();

  // --- Price display: both boards and the panel's price
  void hyouji();
  void kesu();

  // --- Bid record and cues
  void recordReset();
  // Appends a line of that kind at the current price, via kakakuman and kirokukakaku.
  void recordLine(RecordKind kind);
  // Appends a line of that kind at kakakuman and kirokukakaku as they stand; its label becomes
  // kirokumei.
  void appendRecordLine(RecordKind kind);
  // Appends the final-bid line of a no sale: an empty line, then the last bid (saisyuuousatu).
  void recordFinalBid();
  // A bid's line: recordLine, and the price becomes the last bid (ousatukakaku).
  void recordBid(RecordKind kind);
  void Timer5_Timer();

  // --- Lot preparation
  void Command11_Click();
  void Command10_Click();
  void Command14_Click();
  void Text6_KeyPress(char32_t key);
  void Text7_KeyPress(char32_t key);
  void Text7_Click();
  void Command18_Click();
  void Command19_Click();
  // The trainee's results, in a window beside the screen.
  void seiseki_Click();

  // --- Start, price clock, corrections and restart
  void Command1_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void Command2_Click();
  void Command15_Click();
  void Command3_Click();
  void Timer3_Timer();
  void Timer4_Timer();
  void Timer17_Timer();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Timer13_Timer();
  void Timer14_Timer();

  // --- Bid button, continuous raise, sell-out, bid assist, decision and award
  void Command12_MouseDown();
  void Command12_MouseUp();
  void Command12_Click();
  void Command13_MouseDown();
  void Command13_MouseUp();
  void urikirisengen();
  void Command8_Click();
  void Timer15_Timer();
  void Command20_Click();
  void Command21_Click();
  void nokorikaisi();
  void Timer6_Timer();
  void Timer7_Timer();
  void Command9_Click();
  void rakusatusyori();

  // --- Other bidders, no sale, re-auction watch, cut-off and the full-automatic cycle
  void Timer9_Timer();
  void Timer8_Timer();
  void Timer10_Timer();
  void ryuusatu(bool withFinalBidLine);
  void Command22_Click();
  void Timer16_Timer();
  void Timer11_Timer();
  // The cut-off, recorded as a line of that kind: the operator's or the automatic one.
  void mikiri(RecordKind kind);
  // The same by the line's label; a label that is no cut-off's changes nothing.
  void mikiri(const std::string& label);
  void Command24_Click();
  void Timer12_Timer();
  void Timer21_Timer();
  void Command26_Click();
  void Timer18_Timer();
  void Timer19_Timer();
  void Timer20_Timer();

  // --- Board states shared by the handlers
  void showLamp(Lamp lamp);
  // Green, yellow or red, each with probability one third.
  void randomLamp();
  // The sell-out button, and the decision and no-sale buttons as the state has them.
  void showSellOut(SellOut state);
  // The right signs: the trainee has gained the right, or another buyer holds it.
  void kenrihyouji();
  void kenrikesu();

  // A trainee holds the right; the acting bidder does.
  bool traineeHoldsRight() const { return taninkenri == 0; }
  bool actorHoldsRight() const { return traineeHoldsRight() && rightHolder == actor; }
  // Another buyer raised: the countdown starts again, and the trainee's next click restarts it.
  void othersRaised() {
    restartCountdown();
    kaisinaosi = 1;
  }
  // The right passes to the bidder acting.
  void takeRight() {
    taninkenri = 0;
    rightHolder = actor;
  }

  // Every element, pictures first and buttons last: the order in which they stack.
  const std::vector<Element*>& elements() const { return elements_; }
  // The element of that name, or nullptr.
  Element* element(std::string_view name) const;

 private:
  // The flag tests the handlers share.
  bool clockRuns() const { return Timer1.enabled(); }
  bool fullAutomatic() const { return modo == 2; }
  bool startLocked() const { return sutatofuka == 1; }
  bool auctionInProgress() const { return serityuu == 1; }
  bool biddingClosed() const { return simekiri != 0; }
  bool lotEnded() const { return syuuryou == 1; }
  bool soldOut() const { return urikirityuu == 1; }

  void tell(LotObserver::Moment moment) {
    if (observer) observer->notice(*this, moment);
  }
  void layOut();
  Timer& addTimer(int number);
  void tick(int number);
  void allTimersOff();
  // The reset shared by the opening and the forced stop.
  void reset();
  void drawFloorLimit();
  // Shows the car picture of that number from the program's gazou folder (gazoubangou, gazou).
  void loadLotPicture(int number);
  void showOperatorPanel();
  void commonStart();
  void lightStartSign();
  // Runs the price tick at the set speed and the lamp flicker at its own interval.
  void runClock(int flickerMs);
  void stopClock();
  // One clock step of 3; at the ceiling the clock stops and the board keeps the last price.
  void stepPrice();
  // The next decision-countdown tick comes a full interval from now.
  void restartCountdown();
  void backOff(double amount);
  void awaitRestart();
  // Restart as a re-auction; false when refused.
  bool restart(RecordKind kind);
  void runReauctionWatch();
  void steadyRedLamp();
  void lightSellOutSign();
  // The sell-out button alone: the decision and no-sale buttons keep their colours.
  void showSellOutButton(SellOut state);
  void award(Ending ending);
  // Whether the record's newest line, below its header, is of that kind.
  bool newestRecordLineIs(RecordKind kind) const;
  // The price of the newest record line, which the simulated floor reacts to.
  double recordedPrice() const;
  // The guide price from the sell-out price, as the board shows it.
  void showGuidePrice();
  void redFlash();
  // A lot has ended: `twin` (Command10 or Command14) turns red to clear it.
  void lightTwin(Button& twin);
  // The picture and signs of the car shown next, once a lot has ended.
  void showNextLot();
  void leaveEndedLot();
  void beginLotWatch();
  // The full-automatic cycle after a lot's end was cleared: the next-lot countdown.
  void awaitNextLot();
  // A uniform draw in [0, 1), whatever the source hands out.
  double draw();

  Host& host_;
  Rnd rnd_;
  std::vector<Element*> elements_;
};

}  // namespace kobaru
