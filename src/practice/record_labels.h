// SPDX-License-Identifier: MIT
#pragma once

// The bid record's header and the labels of its lines, exactly as the record shows them: each
// label ends in two ASCII blanks, and the price text follows it directly.
namespace kobaru::labels {

inline constexpr char kHeader[] = "応札記録";

inline constexpr char kStart[] = "スタート  ";
inline constexpr char kStopCO[] = "停止 CO  ";
inline constexpr char kSlowCO[] = "スロ CO  ";
inline constexpr char kOnePositionCO[] = "1POS CO  ";
inline constexpr char kOnePositionOther[] = "1POS 他  ";
inline constexpr char kOther[] = "他  ";
inline constexpr char kContinuousCO[] = "連続 CO  ";
inline constexpr char kRestartCO[] = "再競 CO  ";
inline constexpr char kAutoRestart[] = "自動再競  ";
inline constexpr char kYou[] = "YOU  ";
inline constexpr char kRightYou[] = "権利 YOU  ";
inline constexpr char kOnePositionYou[] = "1POS YOU  ";
inline constexpr char kHeldYou[] = "ベタ YOU  ";
inline constexpr char kSellOut[] = "うりきり  ";
inline constexpr char kAwardTrainee[] = "自分落札  ";
inline constexpr char kAwardOther[] = "他人落札  ";
inline constexpr char kAutoStop[] = "自動停止  ";
inline constexpr char kNoSale[] = "流札  ";
inline constexpr char kCutOffCO[] = "見切 CO  ";
inline constexpr char kAutoCutOff[] = "自動見切  ";
inline constexpr char kReauctionStopped[] = "再競停止  ";
inline constexpr char kCutOffAwardTrainee[] = "自見切落札  ";
inline constexpr char kCutOffAwardOther[] = "他見切落札  ";

// The final-bid line after a no sale: nobody bid after the start, or the last bid.
inline constexpr char kNoCall[] = "ﾉｰｺｰﾙ  ";  // half-width katakana
inline constexpr char kFinalBid[] = "最終応札  ";

}  // namespace kobaru::labels
