#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host.h"

namespace {

std::vector<std::string> taken;

void take(const std::string& caption, const std::string& text) {
  taken.push_back(caption + ": " + text);
}

// On a display with fonts a box that reaches the screen waits for a click:
// a test program that let one through would hang here, not fail.
TEST(HostMessageBox, ATestProgramNeverShowsOneOnTheDisplay) {
  KOR::host_message_box("Aquavex", "seen by no one");

  const KOR::HOST_MESSAGE_SINK programs_sink = KOR::host_set_message_sink(&take);
  EXPECT_NE(programs_sink, nullptr);
  KOR::host_message_box("Aquavex", "taken");
  EXPECT_EQ(KOR::host_set_message_sink(programs_sink), &take);
  EXPECT_EQ(taken, std::vector<std::string>{"Aquavex: taken"});
}

}  // namespace
