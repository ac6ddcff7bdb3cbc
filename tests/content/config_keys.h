#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "puzzle/CGame_Config.h"

namespace content_test {

inline int config_int(const std::string& key) {
  return game::CGame_Config::instance().get_int(key);
}
inline float config_float(const std::string& key) {
  return game::CGame_Config::instance().get_float(key);
}

// Tuning values in seconds (or pixels) that must be positive.
inline const std::vector<std::string>& positive_float_keys() {
  static const std::vector<std::string> keys = {"timeOfScrollingFieldBeforeLevelStart",
                                                "flowingWaterOneCycleTime",
                                                "flowingWaterPauseTime",
                                                "explosionAnimationFrameTime",
                                                "fadeEffectDistance",
                                                "fadeEffectTotalTime",
                                                "bottomOpenConnectionGlowAnimationFrameTimeRender",
                                                "coinAnimationDelay",
                                                "coinAnimationFrameTime",
                                                "equipmentAnimationFrameTime",
                                                "waterAnimationFrameTime",
                                                "pressMovingTime",
                                                "pressAnimationFrameTime",
                                                "speedOfTape",
                                                "minimumTimeDelayBeforeAddingNewPipeOnTape",
                                                "maximumTimeDelayBeforeAddingNewPipeOnTape",
                                                "probability_pipe_step",
                                                "interfaceHidingTime",
                                                "closeUpShowScaleTime",
                                                "closeUpAnimationFrameTime",
                                                "closeUpAnimationTotalTimeAfterFirstPlay",
                                                "comicsFrameTime",
                                                "comicsTimeTillNextFrame"};
  return keys;
}

// Every key the game reads, except the per-level ones that come with the
// levels. Keys built from the file's own counts (shop levels, trophy ranks)
// follow those counts.
inline std::vector<std::string> required_config_keys() {
  std::vector<std::string> keys = positive_float_keys();
  for (const char* key :
       {"baseSpeedOfCoolDownOfPressInSeconds", "maximumNumberOfCompletionBonus",
        "maximumNumberOfDestructionBonus", "numberOfPointsPerRemainingSecond",
        "totalWaterInscriptionFlyTime", "waterInscriptionDelayTimeInCenter",
        "specialPipe_getScoreProbability", "specialPipe_getCompletionBonusProbability",
        "specialPipe_getScoreProbability_scoreValue", "timeOfShowingTrophyWindow"}) {
    keys.push_back(key);
  }
  for (int type = 1; type <= 17; ++type) {
    keys.push_back("probability_pipe" + std::to_string(type));
    keys.push_back("pipe_" + std::to_string(type));
  }
  // Equipment of types 15 to 17 joins the water's system.
  for (int n = 3; n <= 5; ++n) keys.push_back("equipment_type" + std::to_string(n));
  for (int item = 1; item <= 16; ++item) {
    const std::string shop = "shop_" + std::to_string(item);
    keys.push_back(shop + "_numberOfUpgrades");
    const int levels = config_int(shop + "_numberOfUpgrades");
    for (int level = 1; level <= std::max(levels, 1); ++level) {
      keys.push_back(shop + "_upgrade" + std::to_string(level) + "_value");
    }
  }
  for (int trophy = 1; trophy <= 18; ++trophy) {
    const std::string name = "trophy_" + std::to_string(trophy);
    keys.push_back(name + "_numberOfRanks");
    for (int rank = 1; rank <= config_int(name + "_numberOfRanks"); ++rank) {
      keys.push_back(name + "_rank" + std::to_string(rank) + "_condition");
      keys.push_back(name + "_rank" + std::to_string(rank) + "_reward");
    }
  }
  return keys;
}

}  // namespace content_test
