// The field's art as the game finds it in the assembled Resources folder:
// every atlas item the board, the effects and the pieces ask for, with the
// size their drawing geometry needs; the part offsets; and the stand-alone
// pictures, looked up by resource name through the repositories the game
// mounts.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/game_resources.h"

namespace {

struct Size {
  int w = 0;
  int h = 0;
};

struct Rect {
  double x, y, w, h;
};

class FieldArt : public ::testing::Test {
 protected:
  // The size of the picture a resource name resolves to, decoded as the
  // renderer decodes it; false when the name resolves to no picture.
  bool picture(const std::string& name, Size& size) {
    const KOR::KC_TEXTURE* texture = pictures.decode(resources.bytes(name));
    if (texture == nullptr) return false;
    size = {texture->size().x, texture->size().y};
    return true;
  }

  // An atlas description read as the field reads it: a plain file below
  // Resources, items by "id", the first one winning.
  static std::map<std::string, Rect> atlas(const std::string& path,
                                           std::vector<std::string>* duplicates) {
    std::map<std::string, Rect> items;
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) return items;
    for (pugi::xml_node item : document.child("images").children()) {
      const std::string id = item.attribute("id").as_string();
      Rect rect{item.attribute("aX").as_double(), item.attribute("aY").as_double(),
                item.attribute("aW").as_double(), item.attribute("aH").as_double()};
      if (!items.emplace(id, rect).second && duplicates != nullptr) duplicates->push_back(id);
    }
    return items;
  }

  content_test::GameResources resources;
  content_test::Pictures pictures;
};

void expect_inside(const std::map<std::string, Rect>& items, Size image,
                   const std::string& atlas_name) {
  for (const auto& [id, r] : items) {
    EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.x + r.w <= image.w &&
                r.y + r.h <= image.h)
        << atlas_name << ": " << id << " lies outside its " << image.w << "x" << image.h
        << " image";
  }
}

// An item that exists with exactly this size; w or h 0 means any positive.
void expect_item(const std::map<std::string, Rect>& items, const std::string& id, int w, int h) {
  auto at = items.find(id);
  ASSERT_NE(at, items.end()) << "missing atlas item " << id;
  EXPECT_GT(at->second.w, 0) << id;
  EXPECT_GT(at->second.h, 0) << id;
  if (w > 0) {
    EXPECT_EQ(static_cast<int>(at->second.w), w) << id << " width";
  }
  if (h > 0) {
    EXPECT_EQ(static_cast<int>(at->second.h), h) << id << " height";
  }
}

const char* kElements = "xml/atlas/game_elements_atlas.xml";

TEST_F(FieldArt, GameElementsAtlasItemsLieInsideTheImageAndAreUnique) {
  Size image;
  ASSERT_TRUE(picture("graphics/main game_elements_atlas.png", image));
  EXPECT_LE(image.w, 2048);
  EXPECT_LE(image.h, 2048);
  std::vector<std::string> duplicates;
  const auto items = atlas(kElements, &duplicates);
  ASSERT_FALSE(items.empty());
  EXPECT_TRUE(duplicates.empty()) << "first of several: " << duplicates.front();
  expect_inside(items, image, kElements);
}

TEST_F(FieldArt, PipesFillTheirCellsWithRimsAndBonusPicturesOfTheSameSize) {
  const auto items = atlas(kElements, nullptr);
  for (int t = 1; t <= 17; ++t) {
    // One cell, two cells side by side (part 1 right of part 0), or 2x2.
    const int w = t <= 5 ? 50 : 100;
    const int h = t <= 12 ? 50 : 100;
    const std::string base = "main_elements_pipes_pipe" + std::to_string(t);
    expect_item(items, base, w, h);
    expect_item(items, base + "_bonus", w, h);
    if (t <= 12) expect_item(items, base + "_frame", w, h);
  }
  for (const char* id : {"pipe14_active1", "pipe15_active1", "pipe16_active1", "pipe16_active2",
                         "pipe17_active1", "pipe17_active2", "pipe17_active3"}) {
    expect_item(items, std::string("main_elements_pipes_") + id, 100, 100);
  }
}

TEST_F(FieldArt, WaterFramesHaveTheSizesTheWaterLayerCutsFrom) {
  const auto items = atlas(kElements, nullptr);
  // Strips span the cell across a 24-px channel; the end cap reaches 21 px
  // in; an elbow spans from the cell's edge to 11 px past its centre.
  const std::map<int, Size> sizes = {{1, {24, 50}}, {2, {50, 24}}, {3, {24, 21}}, {4, {36, 36}},
                                     {5, {36, 36}}, {6, {36, 36}}, {7, {36, 36}}};
  for (const auto& [kind, size] : sizes) {
    for (int frame = 1; frame <= 16; ++frame) {
      expect_item(items,
                  "main_elements_water_" + std::to_string(kind) + "_" + std::to_string(frame),
                  size.w, size.h);
    }
  }
}

TEST_F(FieldArt, ObstaclesWallPiecesAndShadowsExistForEveryWallLook) {
  const auto items = atlas(kElements, nullptr);
  for (int k : {1, 2, 7})
    expect_item(items, "main_elements_obstacles_obstacle" + std::to_string(k) + "_1", 50, 50);
  for (int k : {4, 5, 6, 8}) {
    expect_item(items, "main_elements_obstacles_obstacle" + std::to_string(k) + "_1", 100, 100);
  }
  for (const char* prefix :
       {"main_elements_obstacles_obstacle3_", "main_elements_obstacles_2obstacle3_",
        "main_elements_obstacles_3obstacle3_"}) {
    for (int v = 2; v <= 23; ++v) {
      // The four corner shadows are anchored 31 px apart and must meet.
      const int side = v >= 14 && v <= 17 ? 31 : 0;
      expect_item(items, std::string(prefix) + std::to_string(v), side, side);
    }
  }
}

TEST_F(FieldArt, MarksCoinsTilesAndAnimationsFitTheBoard) {
  const auto items = atlas(kElements, nullptr);
  // The mark is turned about the cell's centre: it must be cell-sized.
  expect_item(items, "main_elements_open_connection", 50, 50);
  for (int n = 1; n <= 3; ++n)
    expect_item(items, "main_elements_open_connection_glow" + std::to_string(n), 50, 50);
  for (int n = 1; n <= 4; ++n) {
    const std::string id = "main_elements_coin" + std::to_string(n);
    expect_item(items, id, 0, 0);
    EXPECT_LE(items.at(id).w, 50);
    EXPECT_LE(items.at(id).h, 50);
  }
  // The tile layout steps by whole cells.
  for (int t = 1; t <= 7; ++t) {
    const std::string id = "main_elements_tiles_tile" + std::to_string(t) + "_1";
    expect_item(items, id, 0, 0);
    EXPECT_EQ(static_cast<int>(items.at(id).w) % 50, 0) << id;
    EXPECT_EQ(static_cast<int>(items.at(id).h) % 50, 0) << id;
  }
  for (int n = 1; n <= 9; ++n) {
    expect_item(items, "main_animations_explosion_" + std::to_string(n),
                items.at("main_animations_explosion_1").w,
                items.at("main_animations_explosion_1").h);
  }
  // Eight copies 172 px apart must touch.
  for (int n = 1; n <= 15; ++n) {
    const std::string id = "main_animations_water_" + std::to_string(n);
    expect_item(items, id, 0, items.at("main_animations_water_1").h);
    EXPECT_GE(items.at(id).w, 172) << id;
  }
}

TEST_F(FieldArt, DecorAtlasesHoldEighteenItemsPerSet) {
  const std::map<std::string, std::vector<int>> sets = {
      {"decor_1_2", {1, 2}}, {"decor_3_4", {3}}, {"decor_5_6", {5}}, {"decor_7", {7}}};
  for (const auto& [name, numbers] : sets) {
    Size image;
    ASSERT_TRUE(picture("graphics/main " + name + "_atlas.png", image)) << name;
    const std::string path = "xml/atlas/" + name + "_atlas.xml";
    const auto items = atlas(path, nullptr);
    expect_inside(items, image, path);
    for (int d : numbers) {
      for (int i = 1; i <= 18; ++i) {
        expect_item(items, "main_elements_decor_" + std::to_string(d) + "_" + std::to_string(i), 0,
                    0);
      }
    }
  }
}

TEST_F(FieldArt, PartOffsetsHoldEveryPartOfBothTopLevelElements) {
  pugi::xml_document* document = resources.manager->get_xml("objects.xml");
  ASSERT_NE(document, nullptr);
  const pugi::xml_node obstacles = document->child("obstacles");
  const pugi::xml_node shadows = document->child("shadows");
  ASSERT_TRUE(obstacles);
  ASSERT_TRUE(shadows);
  const std::vector<std::string> left = {
      "obstacle3_2",       "obstacle3_5",       "obstacle3_6",       "obstacle3_7",
      "obstacle3_8",       "obstacle3_11",      "obstacle3_13",      "empty_obstacle3_9",
      "empty_obstacle3_5", "empty_obstacle3_6", "empty_obstacle3_7", "empty_obstacle3_8"};
  const std::vector<std::string> center = {"obstacle3_4",      "obstacle3_5", "obstacle3_6",
                                           "obstacle3_7",      "obstacle3_8", "obstacle3_13_right",
                                           "obstacle3_13_left"};
  const std::vector<std::string> right = {
      "obstacle3_3",       "obstacle3_5",       "obstacle3_6",       "obstacle3_7",
      "obstacle3_8",       "obstacle3_12",      "obstacle3_13",      "empty_obstacle3_10",
      "empty_obstacle3_5", "empty_obstacle3_6", "empty_obstacle3_7", "empty_obstacle3_8"};
  std::vector<std::string> shadow_left, shadow_right;
  for (int v : {14, 15, 16, 17, 18, 19, 20, 22}) {
    shadow_left.push_back("obstacle3_" + std::to_string(v));
    shadow_right.push_back("obstacle3_" + std::to_string(v));
  }
  shadow_left.push_back("obstacle3_23");
  shadow_right.push_back("obstacle3_21");
  const struct {
    pugi::xml_node group;
    const std::vector<std::string>& names;
  } groups[] = {{obstacles.child("left_side"), left},
                {obstacles.child("center"), center},
                {obstacles.child("right_side"), right},
                {shadows.child("left_side"), shadow_left},
                {shadows.child("right_side"), shadow_right}};
  int parts = 0;
  for (const auto& g : groups) {
    ASSERT_TRUE(g.group);
    for (const std::string& name : g.names) {
      const pugi::xml_node part = g.group.child(name.c_str());
      EXPECT_TRUE(part && part.attribute("offsetX") && part.attribute("offsetY"))
          << g.group.name() << "/" << name;
      ++parts;
    }
  }
  EXPECT_EQ(parts, 49);
  resources.manager->release_xml(document);
}

TEST_F(FieldArt, InterfaceAndPackPicturesResolveWithTheSizesTheirPlacesNeed) {
  Size size;
  // Gutter and gauge sit on the start cell; the gauge is placed at the
  // cell's left edge with its full width.
  ASSERT_TRUE(picture("graphics/main/interface pump_gutter.png", size));
  EXPECT_EQ(size.w, 50);
  EXPECT_EQ(size.h, 50);
  ASSERT_TRUE(picture("graphics/main/interface pump_water.png", size));
  EXPECT_EQ(size.w, 50);
  EXPECT_LE(size.h, 50);
  // The strip bridges the 80-px gap under a pack picture across the widest screen.
  ASSERT_TRUE(picture("graphics/main/interface stripe.png", size));
  EXPECT_GE(size.w, 1366);
  EXPECT_GE(size.h, 80);
  // A pack picture is the whole screen the board scrolls away from.
  for (int t = 1; t <= 9; ++t) {
    const std::string name = "graphics/main/backs back" + std::to_string(t) + ".png";
    ASSERT_TRUE(picture(name, size)) << name;
    EXPECT_GE(size.w, 1366) << name;
    EXPECT_GE(size.h, 768) << name;
  }
  for (const char* name :
       {"graphics/main/interface coin.png", "graphics/main/interface star.png",
        "graphics/main/interface destruction_icon.png",
        "graphics/main/interface completion_icon.png", "graphics/main/interface tutorial_arrow.png",
        "graphics/gui destruction.png"}) {
    EXPECT_TRUE(picture(name, size)) << name;
    EXPECT_GT(size.w, 0) << name;
  }
}

}  // namespace
