// SPDX-License-Identifier: MIT
#include "practice/handlers.h"

#include <gtest/gtest.h>

#include "practice/form1.h"
#include "support/recording_host.h"

namespace kobaru {
namespace {

struct HandlerTable : ::testing::Test {
  RecordingHost host;
  Form1 f{host, scripted({0.5})};
};

TEST_F(HandlerTable, NamesButtonsAndEntriesOfTheScreen) {
  for (const ButtonHandlers& h : buttonHandlers()) {
    const Element* e = f.element(h.name);
    ASSERT_NE(e, nullptr) << h.name;
    EXPECT_EQ(e->kind, Kind::Button) << h.name;
    EXPECT_TRUE(h.click || h.mouseDown) << h.name;
    EXPECT_EQ(buttonHandlers(h.name), &h);
  }
  for (const EntryHandlers& h : entryHandlers()) {
    const Element* e = f.element(h.name);
    ASSERT_NE(e, nullptr) << h.name;
    EXPECT_EQ(e->kind, Kind::TextBox) << h.name;
    EXPECT_FALSE(static_cast<const TextBox*>(e)->locked) << h.name;
    EXPECT_EQ(entryHandlers(h.name), &h);
  }
}

TEST_F(HandlerTable, TheBidButtonIsClickedAndHeldTheContinuousRaiseOnlyHeld) {
  const ButtonHandlers* bid = buttonHandlers("Command12");
  ASSERT_NE(bid, nullptr);
  EXPECT_EQ(bid->click, &Form1::Command12_Click);
  EXPECT_EQ(bid->mouseDown, &Form1::Command12_MouseDown);
  EXPECT_EQ(bid->mouseUp, &Form1::Command12_MouseUp);
  const ButtonHandlers* raise = buttonHandlers("Command13");  // the operator's continuous raise
  ASSERT_NE(raise, nullptr);
  EXPECT_EQ(raise->click, nullptr);
  EXPECT_EQ(raise->mouseDown, &Form1::Command13_MouseDown);
  EXPECT_EQ(raise->mouseUp, &Form1::Command13_MouseUp);
}

TEST_F(HandlerTable, ElementsWithoutHandlersAreNotFound) {
  for (const char* name : {"Label9", "ousatu", "Text1", "", "command12", "Command12 "}) {
    EXPECT_EQ(buttonHandlers(name), nullptr) << name;
    EXPECT_EQ(entryHandlers(name), nullptr) << name;
  }
  EXPECT_EQ(buttonHandlers("Text6"), nullptr);
  EXPECT_EQ(entryHandlers("Command1"), nullptr);
}

}  // namespace
}  // namespace kobaru
