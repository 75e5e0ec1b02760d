// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "practice/elements.h"
#include "practice/host.h"
#include "practice/lot_observer.h"
#include "practice/random.h"
#include "practice/scheduler.h"

namespace kobaru {

// The practice screen: the board of the auction hall, the operator's panel and the trainee's bid
// button. Its handlers share state only through the fields below and the elements' properties.
class Form1 {
 public:
  Form1(Host& host, Rnd rnd);

  enum class Lamp { Green, Yellow, Red, Dark };
  // The sell-out button's states: "うりきり不可", "うりきり可能", "うりきり中".
  enum class SellOut { Impossible, Possible, Declared };
  // How a lot is awarded: by the decision, or to the first bid above a cut-off.
  enum class Ending { Decision, CutOff };

  // The lot picture shown after a reset; the next lots step on from it.
  static constexpr int kFirstLotPicture = 1001;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Scheduler scheduler;

  // --- Mode and lot conditions
  int modo = 0;  // 0 manual, 2 full-automatic
  int settei = 0;
  int sutatofuka = 0;
  double syuppinbangou = 0;
  double kakaku = 0;  // thousands of yen
  double urikiri = 0;
  double meyasuti = 0;  // ten-thousands of yen
  int teisihaba = 0;
  double sokudo = 0;   // seconds
  double kankaku = 0;  // milliseconds

  // --- Price display digits
  double hyakuman = 0;
  double jyuuman = 0;
  double man = 0;
  double sen = 0;

  // --- The lot under the hammer
  int serityuu = 0;
  int simekiri = 0;
  int syuuryou = 0;
  int urikirityuu = 0;
  int taninkenri = 0;
  int syudouseri = 0;
  int osityuu = 0;
  int kaisinaosi = 0;

  // --- Prices and texts of the bid record
  double kakakuman = 0;
  std::string kirokukakaku;
  std::string kirokumei;
  double ousatukakaku = 0;
  double sutatokakaku = 0;
  double saiserikakaku = 0;
  double mikirikakaku = 0;
  std::string saisyuuousatu;

  // --- Counters of the timer-driven sequences
  int ketteikaisuu = 0;
  int urikirikaisuu = 0;
  int ryuusatukaisuu = 0;
  int mikirikaisuu = 0;
  int teisikaisuu = 0;
  int modosikaisuu = 0;
  int saisutatokaisuu = 0;
  int coranpu = 0;
  int youranpu = 0;
  int tenmetukaisuu = 0;
  int demokaisuu = 0;

  // --- Draws of the full-automatic practice
  int copatan = 0;
  double teisiue = 0;
  double teisisita = 0;
  int habaransuu = 0;

  // --- Bid assist
  int hojonasi = 0;
  Color kenriiro = kBlack;

  // --- Files
  std::string apppath;
  std::string sutatowav;
  std::string rakusatuwav;
  std::string nagarewav;
  int gazoubangou = 0;
  std::string gazou;

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
  // Appends a line: `label` followed by the current price, via kakakuman and kirokukakaku.
  void recordLine(const char* label);
  // Appends kirokumei and kirokukakaku as they stand.
  void appendRecordLine();
  // Appends the final-bid line of a no sale: an empty line, then the last bid (saisyuuousatu).
  void recordFinalBid();
  // A bid's line: recordLine, and the price becomes the last bid (ousatukakaku).
  void recordBid(const char* label);
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
  void mikiri(const char* label);
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
  void showSellOut(SellOut state);
  // The right signs: the trainee has gained the right, or another buyer holds it.
  void kenrihyouji();
  void kenrikesu();

  // Every element, pictures first and buttons last: the order in which they stack.
  const std::vector<Element*>& elements() const { return elements_; }
  // The element of that name, or nullptr.
  Element* element(std::string_view name) const;

 private:
  void tell(LotObserver::Moment moment) {
    if (observer) observer->notice(*this, moment);
  }
  void layOut();
  Timer& addTimer(int number);
  void tick(int number);
  void allTimersOff();
  // The reset shared by the opening and the forced stop.
  void reset();
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
  bool restart(const char* label);
  void runReauctionWatch();
  void steadyRedLamp();
  void lightSellOutSign();
  void award(Ending ending);
  // The price of the newest record line, which the simulated floor reacts to.
  double recordedPrice() const;
  // The guide price from the sell-out price, as the board shows it.
  void showGuidePrice();
  void redFlash();
  // The picture and signs of the car shown next, once a lot has ended.
  void showNextLot();
  // A uniform draw in [0, 1), whatever the source hands out.
  double draw();

  Host& host_;
  Rnd rnd_;
  std::vector<Element*> elements_;
};

}  // namespace kobaru
