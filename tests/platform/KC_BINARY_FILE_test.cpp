#include "platform/KC_BINARY_FILE.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"

using KOR::KC_BINARY_FILE;
namespace fs = std::filesystem;

class BinaryFile : public ::testing::Test {
 protected:
  void SetUp() override { path_ = (folder_.path() / "data.bin").string(); }

  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  test_support::TempFolder folder_{"aquavex-bin"};
  std::string path_;
};

TEST_F(BinaryFile, WritesValuesAndCountedTexts) {
  KC_BINARY_FILE file;
  ASSERT_TRUE(file.open(path_)) << "a missing file is created";
  file.write_value(int32_t{1});
  file.write_string("abc");
  file.close();
  EXPECT_EQ(contents(), std::string("\x01\0\0\0\x03\0\0\0abc", 11));

  ASSERT_TRUE(file.open(path_)) << "an existing file keeps its contents";
  EXPECT_EQ(fs::file_size(path_), 11u);
  int32_t value = 0;
  std::string text;
  file.read_value(value);
  file.read_string(text);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(text, "abc");
}

TEST_F(BinaryFile, EmptyTextsRoundTripAndDamagedCountsAreNotTrusted) {
  KC_BINARY_FILE file;
  ASSERT_TRUE(file.open(path_));
  file.write_string("");
  file.write_value(0x7ffffff0u);  // a count far beyond the file
  file.write_string("xy");
  file.close();

  ASSERT_TRUE(file.open(path_));
  std::string empty = "was";
  file.read_string(empty);
  EXPECT_EQ(empty, "");
  std::string damaged = "kept";
  file.read_string(damaged);
  EXPECT_EQ(damaged, "kept");
}

TEST_F(BinaryFile, DoesNothingWhileClosed) {
  KC_BINARY_FILE file;
  EXPECT_FALSE(file.open((folder_.path() / "no" / "such" / "folder").string()));
  file.write_value(int32_t{5});
  int32_t value = 7;
  file.read_value(value);
  EXPECT_EQ(value, 7);
  EXPECT_FALSE(fs::exists(folder_.path() / "no"));
}
