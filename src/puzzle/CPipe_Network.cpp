#include "puzzle/CPipe_Network.h"

#include <algorithm>
#include <bit>
#include <iterator>

#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"

namespace game {

namespace {

void link(CPipe_Node* a, CPipe_Node* b, int side) {
  a->links[side] = b;
  b->links[opposite_side(side)] = a;
}

}  // namespace

CPipe_Network::~CPipe_Network() = default;

void CPipe_Network::recycle(std::vector<std::unique_ptr<CPipe_Node>>& nodes) {
  spare_pool.insert(spare_pool.end(), std::make_move_iterator(nodes.begin()),
                    std::make_move_iterator(nodes.end()));
  nodes.clear();
}

void CPipe_Network::init(CLevel_Header* header, const CLevel_Field* field) {
  // Whatever an earlier level left goes while its board is still known.
  clear_water_list();
  clear_trees();
  start_x = start_y = final_x = final_y = -1;
  newly_connected = 0;
  next_node_id = 1;
  level_header = header;
  level_field = field;
  cell_nodes.assign(size_t(header->fieldWidth) * size_t(header->fieldHeight), nullptr);
  header->find_start(start_x, start_y);
  header->find_final(final_x, final_y);
  collect_equipment();
}

CPipe_Node* CPipe_Network::water_node(int n) const {
  if (n < 1 || n > int(water_order.size())) return nullptr;
  return water_order[size_t(n - 1)];
}

CPipe_Node* CPipe_Network::tree_root_at(int k) const {
  const auto found = tree_roots.find(k);
  return found == tree_roots.end() ? nullptr : found->second;
}

size_t CPipe_Network::cell_index(int x, int y) const {
  if (!level_header || x < 0 || y < 0 || x >= level_header->fieldWidth ||
      y >= level_header->fieldHeight) {
    return kNoCell;
  }
  return size_t(y) * size_t(level_header->fieldWidth) + size_t(x);
}

CPipe_Node* CPipe_Network::node_of(int x, int y) const {
  const size_t index = cell_index(x, y);
  return index == kNoCell ? nullptr : cell_nodes[index];
}

void CPipe_Network::clear_trees() {
  for (const auto& nodes : tree_nodes) {
    for (const CPipe_Node* n : nodes) {
      const size_t index = cell_index(n->x, n->y);
      if (index != kNoCell) cell_nodes[index] = nullptr;
    }
  }
  // The first tree's list keeps its room for the next build.
  if (!tree_nodes.empty()) {
    spare_tree_list_ = std::move(tree_nodes.front());
    spare_tree_list_.clear();
  }
  tree_nodes.clear();
  tree_roots.clear();
  tree_node_counts.clear();
  recycle(scratch_pool);
}

void CPipe_Network::clear_water_list() {
  // The nodes may still be in a tree: they go when the trees are cleared.
  scratch_pool.insert(scratch_pool.end(), std::make_move_iterator(water_pool.begin()),
                      std::make_move_iterator(water_pool.end()));
  water_pool.clear();
  water_order.clear();
}

CPipe_Node* CPipe_Network::new_node(int x, int y, bool record) {
  std::vector<std::unique_ptr<CPipe_Node>>& pool = record ? water_pool : scratch_pool;
  if (spare_pool.empty()) {
    pool.push_back(std::make_unique<CPipe_Node>());
  } else {
    pool.push_back(std::move(spare_pool.back()));
    spare_pool.pop_back();
  }
  CPipe_Node* n = pool.back().get();
  const CLevel_Cell* c = level_header->cell_at(x, y);
  *n = CPipe_Node{.id = next_node_id++,
                  .x = x,
                  .y = y,
                  .is_bonus_equipment = uint8_t(c && cell_is_bonus_equipment(*c) ? 1 : 0)};
  if (record) water_order.push_back(n);
  const size_t index = cell_index(x, y);
  if (index != kNoCell) cell_nodes[index] = n;
  return n;
}

int CPipe_Network::open_sides(int x, int y) const {
  const CLevel_Cell* c = level_header->cell_at(x, y);
  return c ? cell_open_sides(*c) : 0;
}

void CPipe_Network::build(int x, int y, bool record) {
  const int32_t tree = int32_t(tree_roots.size()) + 1;
  CPipe_Node* root = new_node(x, y, record);
  root->tree_id = tree;
  tree_roots[tree] = root;
  tree_node_counts[tree] = 1;
  tree_nodes.push_back(std::move(spare_tree_list_));
  spare_tree_list_.clear();
  tree_nodes.back().assign(1, root);

  // Depth first with an explicit stack, in the order a recursive walk takes:
  // a neighbour's whole branch is built before the next side is tried. A
  // neighbour joins when it opens back; the sides it opens on are read once
  // and kept for its own turn, less the side it was reached from, which the
  // link already joins. The stack keeps its room between builds.
  stack_.clear();
  stack_.push_back({root, open_sides(x, y)});
  while (!stack_.empty()) {
    WALK_STEP& top = stack_.back();
    if (top.sides_left == 0) {
      stack_.pop_back();
      continue;
    }
    CPipe_Node* node = top.node;
    const int side = std::countr_zero(unsigned(top.sides_left));
    top.sides_left &= top.sides_left - 1;
    int nx = 0;
    int ny = 0;
    side_neighbour(node->x, node->y, side, nx, ny);
    const int back = opposite_side(side);
    const int open = open_sides(nx, ny);
    if (!((open >> back) & 1)) continue;
    CPipe_Node* existing = node_of(nx, ny);
    if (existing && existing->tree_id == tree) {
      link(node, existing, side);  // a loop closes
      continue;
    }
    CPipe_Node* child = new_node(nx, ny, record);
    child->tree_id = tree;
    link(node, child, side);
    tree_nodes.back().push_back(child);
    stack_.push_back({child, open & ~(1 << back)});
  }
  tree_node_counts[tree] = int32_t(tree_nodes.back().size());
}

bool CPipe_Network::build_from_start() {
  clear_trees();
  if (start_x == -1 && start_y == -1) return false;
  recycle(water_pool);
  water_order.clear();
  build(start_x, start_y, true);
  return true;
}

void CPipe_Network::build_from_cell(int x, int y) { build(x, y, false); }

bool CPipe_Network::tree_contains(int k, int x, int y) const {
  if (k < 1 || k > int(tree_nodes.size())) return false;
  const CPipe_Node* n = node_of(x, y);
  if (n) return n->tree_id == k;
  // A root outside the board is in no cell table.
  const CPipe_Node* root = tree_root_at(k);
  return root && root->x == x && root->y == y;
}

bool CPipe_Network::is_connected() const {
  // Without a start or a final pipe nothing is joined, even though a lone
  // node then stands for the missing cell.
  if ((start_x == -1 && start_y == -1) || (final_x == -1 && final_y == -1)) return false;
  return tree_contains(1, start_x, start_y) && tree_contains(1, final_x, final_y);
}

int CPipe_Network::open_end_count(int k) {
  open_ends = 0;
  bonus_equipment_touched = 0;
  if (k < 1 || k > int(tree_nodes.size())) return 0;
  for (const CPipe_Node* n : tree_nodes[size_t(k - 1)]) {
    for (int side = 0; side < 4; ++side) {
      if (level_field->opens_into_empty(n->x, n->y, side)) {
        ++open_ends;
      } else if (level_field->neighbour_is_bonus_equipment(n->x, n->y, side)) {
        bonus_equipment_touched = 1;
      }
    }
  }
  return open_ends;
}

bool CPipe_Network::is_closed_system(int x, int y) {
  clear_trees();
  build_from_cell(x, y);
  return open_end_count(1) == 0;
}

bool CPipe_Network::closes_with_start(int x, int y) {
  clear_trees();
  build_from_cell(x, y);
  if (open_end_count(1) != 0) return false;
  return tree_contains(1, start_x, start_y);
}

void CPipe_Network::build_start_tree() {
  clear_trees();
  build_from_cell(start_x, start_y);
}

void CPipe_Network::partition() {
  build_start_tree();
  for (int x = 0; x < level_header->fieldWidth; ++x) {
    for (int y = 0; y < level_header->fieldHeight; ++y) {
      const CLevel_Cell* c = level_header->cell_at(x, y);
      if (c && cell_is_plain_pipe(*c) && !node_of(x, y)) build_from_cell(x, y);
    }
  }
}

void CPipe_Network::collect_equipment() {
  equipment_blocks.clear();
  std::vector<KOR::KS_IVECTOR2> listed;
  for (int x = 0; x < level_header->fieldWidth; ++x) {
    for (int y = 0; y < level_header->fieldHeight; ++y) {
      const CLevel_Cell* c = level_header->cell_at(x, y);
      if (!c || level_field->content_type_at(x, y) != CONTENT_PIPE || c->pipeType <= 14) continue;
      const bool known = std::any_of(listed.begin(), listed.end(), [&](const KOR::KS_IVECTOR2& p) {
        return p.x == x && p.y == y;
      });
      if (known) continue;
      std::map<int32_t, KOR::KS_IVECTOR2>& block =
          equipment_blocks[int32_t(equipment_blocks.size()) + 1];
      for (int part = 0; part < 4; ++part) {
        const KOR::KS_VECTOR2 v =
            equipment_part_cell(c->pipeType, c->pipeAngle, c->pipePartNumber, x, y, part);
        block[part] = KOR::KS_IVECTOR2{int(v.x), int(v.y)};
        listed.push_back(block[part]);
      }
    }
  }
}

int CPipe_Network::check_equipment_connection() {
  newly_connected = 0;
  for (auto& [number, block] : equipment_blocks) {
    std::vector<KOR::KS_IVECTOR2> candidates;
    for (const auto& [part, p] : block) {
      for (int side = 0; side < 4; ++side) {
        int nx = 0;
        int ny = 0;
        side_neighbour(p.x, p.y, side, nx, ny);
        const CLevel_Cell* n = level_header->cell_at(nx, ny);
        if (n && level_field->neighbour_opens_back(p.x, p.y, side) && n->pipeType < 13) {
          candidates.push_back(KOR::KS_IVECTOR2{nx, ny});
        }
      }
    }
    build_from_start();
    CLevel_Cell* cells[4];
    bool whole = true;
    for (int part = 0; part < 4; ++part) {
      cells[part] = level_header->cell_at(block[part].x, block[part].y);
      whole = whole && cells[part];
    }
    if (!whole) continue;
    const bool reached =
        std::any_of(candidates.begin(), candidates.end(),
                    [&](const KOR::KS_IVECTOR2& c) { return tree_contains(1, c.x, c.y); });
    if (reached && !cells[0]->equipmentAnimating) {
      if (!cells[0]->equipmentConnected) newly_connected = 1;
      for (CLevel_Cell* c : cells) {
        c->equipmentConnected = 1;
        c->equipmentAnimating = 1;
      }
      return cells[0]->pipeType - 12;
    }
    if (!reached && cells[0]->equipmentAnimating) {
      for (CLevel_Cell* c : cells) {
        c->equipmentAnimating = 0;
        c->equipmentFrame = 0;
      }
    }
  }
  return 0;
}

}  // namespace game
