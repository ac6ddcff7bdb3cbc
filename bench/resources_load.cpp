// Start-up cost of the game's data: mounting the repositories the game mounts
// (the main one, "xml", the two password archives and those listed in
// "xml resource_list.xml") and reading every record they hold, on the
// assembled run-time folder of this build.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "platform/KC_FILE_SYSTEM.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/game_repositories.h"

namespace {

// The build puts benchmarks in <build>/bench and the run-time folder in <build>/run.
KOR::KC_FILE_SYSTEM& file_system() {
  static KOR::KC_FILE_SYSTEM* system = [] {
    const auto exe = std::filesystem::canonical("/proc/self/exe");
    std::filesystem::current_path(exe.parent_path().parent_path() / "run");
    return new KOR::KC_FILE_SYSTEM;
  }();
  return *system;
}

std::vector<std::string> listed_repositories(KOR::KC_RESOURCE_MANAGER& manager) {
  std::vector<std::string> folders;
  if (pugi::xml_document* list = manager.get_xml("xml resource_list.xml")) {
    for (pugi::xml_node repository : list->child("resources").children("repository")) {
      folders.push_back(repository.attribute("value").value());
    }
    manager.release_xml(list);
  }
  return folders;
}

void mount(KOR::KC_RESOURCE_MANAGER& manager) {
  game::mount_repositories(&manager);
  for (const std::string& folder : listed_repositories(manager)) {
    manager.add_repository(folder.c_str(), "");
  }
}

int64_t load_everything(KOR::KC_RESOURCE_MANAGER& manager) {
  int64_t bytes = 0;
  auto load = [&](const std::string& name) {
    if (manager.get_bytes(name) != nullptr) bytes += manager.find(name)->size;
  };
  for (const auto& [key, record] : manager.main_records) load(key);
  for (const auto& repository : manager.repositories) {
    for (const auto& [key, record] : repository->records) load(repository->name + " " + key);
  }
  return bytes;
}

void BM_MountRepositories(benchmark::State& state) {
  file_system();
  for (auto _ : state) {
    KOR::KC_RESOURCE_MANAGER manager;
    mount(manager);
    benchmark::DoNotOptimize(manager.repositories.data());
  }
}
BENCHMARK(BM_MountRepositories)->Unit(benchmark::kMillisecond);

void BM_MountAndLoadEverything(benchmark::State& state) {
  file_system();
  int64_t bytes = 0;
  for (auto _ : state) {
    KOR::KC_RESOURCE_MANAGER manager;
    mount(manager);
    bytes = load_everything(manager);
  }
  state.SetBytesProcessed(bytes * state.iterations());
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MountAndLoadEverything)->Unit(benchmark::kMillisecond);

}  // namespace
