#pragma once

namespace KOR {

// A light for the per-vertex lighting: type 1 point, 2 spot, 3 directional.
struct KS_LIGHT {
  int type = 3;
  float diffuse[4] = {1, 1, 1, 1};
  float ambient[4] = {0, 0, 0, 0};
  float specular[4] = {0, 0, 0, 0};
  float position[3] = {0, 0, 0};
  float direction[3] = {0, 0, 1};
  float range = 0;
  float falloff = 0;
  float theta = 0;
  float phi = 0;
  float attenuation0 = 1;
  float attenuation1 = 0;
  float attenuation2 = 0;
};

// Surface colours that lighting uses (the diffuse colour is the vertex's).
struct KS_MATERIAL {
  float diffuse[4] = {1, 1, 1, 1};
  float ambient[4] = {0, 0, 0, 0};
  float specular[4] = {0, 0, 0, 0};
  float emissive[4] = {0, 0, 0, 0};
  float power = 0;
};

}  // namespace KOR
