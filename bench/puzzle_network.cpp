// The work after one placement on the largest board the level reader takes
// (15 x 300 cells): rebuilding the open-connection list and asking whether
// the start and the final pipe are joined, next to one plain breadth-first
// walk from the start over the same pipes.
#include <benchmark/benchmark.h>

#include <deque>
#include <string>
#include <vector>

#include "fieldview/CLevel_FieldView.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"

namespace {

using namespace game;

constexpr int kWidth = 15;
constexpr int kHeight = 300;

int side_toward(int x, int y, int nx, int ny) {
  if (ny < y) return SIDE_UP;
  if (nx > x) return SIDE_RIGHT;
  if (ny > y) return SIDE_DOWN;
  return SIDE_LEFT;
}

// A serpentine pipeline over columns 2..14 from the bottom row to the top
// one: 3900 pipes, closed equipment beside the start, the last pipe final.
std::string serpentine_level() {
  std::vector<std::pair<int, int>> path;
  for (int row = kHeight - 1, n = 0; row >= 0; --row, ++n) {
    for (int i = 0; i < kWidth - 2; ++i)
      path.emplace_back(n % 2 == 0 ? 2 + i : kWidth - 1 - i, row);
  }
  std::string xml = "<level fieldWidth=\"15\" fieldHeight=\"300\" scrollingType=\"0\">";
  const char* block[4][2] = {{"0", "299"}, {"0", "298"}, {"1", "298"}, {"1", "299"}};
  for (int part = 0; part < 4; ++part) {
    xml += std::string("<cell x=\"") + block[part][0] + "\" y=\"" + block[part][1] +
           "\" contentType=\"2\" pipeType=\"13\" pipePartNumber=\"" + std::to_string(part) + "\"/>";
  }
  for (size_t i = 0; i < path.size(); ++i) {
    const auto [x, y] = path[i];
    uint8_t open[4] = {0, 0, 0, 0};
    if (i > 0) open[side_toward(x, y, path[i - 1].first, path[i - 1].second)] = 1;
    if (i + 1 < path.size()) open[side_toward(x, y, path[i + 1].first, path[i + 1].second)] = 1;
    int32_t type = 0;
    float angle = 0.0f;
    pipe_fit_one_cell(open[0], open[1], open[2], open[3], type, angle);
    xml += "<cell x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
           "\" contentType=\"2\" pipeType=\"" + std::to_string(type) + "\" pipeAngle=\"" +
           std::to_string(int(angle)) + "\"" + (i == 0 ? " isStarting=\"1\"" : "") +
           (i + 1 == path.size() ? " isFinal=\"1\"" : "") + "/>";
  }
  return xml + "</level>";
}

struct Board {
  Board() {
    const std::string xml = serpentine_level();
    if (!data.load_bytes(1, xml.data(), xml.size())) std::abort();
    field.init(data.header(), 1);
  }
  CLevel_Data data;
  CLevel_Field field;
};

Board& board() {
  static Board* b = new Board();
  return *b;
}

void BM_RebuildAndSolvedCheck(benchmark::State& state) {
  CLevel_Field& field = board().field;
  for (auto _ : state) {
    field.rebuild_open_connections();
    benchmark::DoNotOptimize(field.is_pipeline_complete());
  }
  if (!field.is_pipeline_complete()) state.SkipWithError("the board is not solved");
}
BENCHMARK(BM_RebuildAndSolvedCheck);

// Breadth first from the start over pipes that open toward each other.
void BM_PlainBreadthFirstWalk(benchmark::State& state) {
  const CLevel_Header& h = *board().data.header();
  for (auto _ : state) {
    std::vector<uint8_t> seen(size_t(kWidth * kHeight), 0);
    std::deque<std::pair<int, int>> queue{{2, kHeight - 1}};
    seen[size_t((kHeight - 1) * kWidth + 2)] = 1;
    bool final_reached = false;
    while (!queue.empty()) {
      const auto [x, y] = queue.front();
      queue.pop_front();
      const CLevel_Cell& c = *h.cell_at(x, y);
      final_reached = final_reached || c.isFinal;
      const int mask = pipe_open_mask(c.pipeType, c.pipePartNumber, c.pipeAngle);
      for (int s = 0; s < 4; ++s) {
        int nx = 0;
        int ny = 0;
        side_neighbour(x, y, s, nx, ny);
        const CLevel_Cell* n = h.cell_at(nx, ny);
        if (!(mask >> s & 1) || !n || seen[size_t(ny * kWidth + nx)]) continue;
        if (!(pipe_open_mask(n->pipeType, n->pipePartNumber, n->pipeAngle) >> opposite_side(s) &
              1)) {
          continue;
        }
        seen[size_t(ny * kWidth + nx)] = 1;
        queue.emplace_back(nx, ny);
      }
    }
    benchmark::DoNotOptimize(final_reached);
  }
}
BENCHMARK(BM_PlainBreadthFirstWalk);

}  // namespace
