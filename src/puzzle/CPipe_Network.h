#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "foundation/KS_IVECTOR2.h"

namespace game {

struct CLevel_Header;
class CLevel_Field;

// One reached cell of a pipe system.
struct CPipe_Node {
  int32_t id = 0;
  int32_t tree_id = 0;
  int32_t x = 0;
  int32_t y = 0;
  CPipe_Node* links[4] = {nullptr, nullptr, nullptr, nullptr};  // by side code
  uint8_t is_bonus_equipment = 0;
};

// The connectivity of the pipes on the board, rebuilt from the cells for
// every question. A node listed in the water order stays valid until the
// next build from the start, whatever is cleared or built in between.
class CPipe_Network {
 public:
  CPipe_Network() = default;
  CPipe_Network(const CPipe_Network&) = delete;
  CPipe_Network& operator=(const CPipe_Network&) = delete;
  ~CPipe_Network();

  // Attaches the level and the field whose cell queries are used; finds the
  // start and final pipe and the equipment blocks.
  void init(CLevel_Header* header, const CLevel_Field* field);

  KOR::KS_IVECTOR2 start_cell() const { return {start_x, start_y}; }
  KOR::KS_IVECTOR2 final_cell() const { return {final_x, final_y}; }
  int tree_count() const { return int(tree_roots.size()); }
  int water_node_count() const { return int(water_order.size()); }
  // Node n (1..count) of the water order; null for another n.
  CPipe_Node* water_node(int n) const;
  // The root of tree k; null when there is no tree k.
  CPipe_Node* tree_root_at(int k) const;
  bool touches_bonus_equipment() const { return bonus_equipment_touched != 0; }
  bool equipment_newly_connected() const { return newly_connected != 0; }

  void clear_trees();
  void clear_water_list();
  // Tree 1 from the starting pipe, recording the water order; false (and the
  // water order kept) when the level has no starting pipe.
  bool build_from_start();
  // A new tree from (x, y).
  void build_from_cell(int x, int y);
  bool tree_contains(int k, int x, int y) const;
  // The starting and the final pipe lie in tree 1.
  bool is_connected() const;
  // Open ends of tree k; also notes whether the tree touches equipment 15..17.
  int open_end_count(int k);
  bool is_closed_system(int x, int y);
  bool closes_with_start(int x, int y);
  // Tree 1 alone, from the starting pipe, without the water order: all that
  // is_connected asks about.
  void build_start_tree();
  // Every plain pipe of the board into trees, tree 1 from the start.
  void partition();
  // Starts or stops the animation of the equipment blocks 15..17 that the
  // starting pipe's system reaches; type - 12 of a block it starts, else 0.
  int check_equipment_connection();

  const std::map<int32_t, std::map<int32_t, KOR::KS_IVECTOR2>>& blocks() const {
    return equipment_blocks;
  }

 private:
  // Builds a tree from (x, y) depth first, neighbours up, right, down, left.
  void build(int x, int y, bool record);
  CPipe_Node* new_node(int x, int y, bool record);
  static constexpr size_t kNoCell = ~size_t(0);
  // The index of a board cell in `cell_nodes`; kNoCell off the board.
  size_t cell_index(int x, int y) const;
  // The node of (x, y) in any current tree, null when none.
  CPipe_Node* node_of(int x, int y) const;
  int open_sides(int x, int y) const;
  void collect_equipment();
  // Hands the nodes back for reuse; none of them may be referred to again.
  void recycle(std::vector<std::unique_ptr<CPipe_Node>>& nodes);

  std::map<int32_t, CPipe_Node*> tree_roots;
  std::map<int32_t, int32_t> tree_node_counts;
  CLevel_Header* level_header = nullptr;
  int32_t start_x = -1;
  int32_t start_y = -1;
  int32_t final_x = -1;
  int32_t final_y = -1;
  const CLevel_Field* level_field = nullptr;
  int32_t next_node_id = 1;
  int32_t open_ends = 0;
  std::vector<CPipe_Node*> water_order;  // entry n - 1 is node n
  std::map<int32_t, std::map<int32_t, KOR::KS_IVECTOR2>> equipment_blocks;
  uint8_t bonus_equipment_touched = 0;
  uint8_t newly_connected = 0;

  // Nodes of the trees, per tree (index = tree id - 1), and the node of each
  // board cell in the current trees. Trees never share a cell: joining is
  // symmetric, so a cell belongs to one system.
  std::vector<std::vector<CPipe_Node*>> tree_nodes;
  std::vector<CPipe_Node*> cell_nodes;
  // Nodes made by the last build from the start (the water order), by every
  // other build since the trees were last cleared, and nodes free for reuse.
  std::vector<std::unique_ptr<CPipe_Node>> water_pool;
  std::vector<std::unique_ptr<CPipe_Node>> scratch_pool;
  std::vector<std::unique_ptr<CPipe_Node>> spare_pool;

  // One node of the walk in `build` and the sides of its cell still to try.
  struct WALK_STEP {
    CPipe_Node* node;
    int sides_left;
  };
  std::vector<WALK_STEP> stack_;
  std::vector<CPipe_Node*> spare_tree_list_;
};

}  // namespace game
