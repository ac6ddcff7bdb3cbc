// Glyphs per second through a bitmap font: a paragraph of wide text, drawn
// block by block into the renderer's batch on the recording device, so the
// cost measured is the font's own (measures, alignment, one page-quad
// submission per glyph) and the batching, not a display.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>
#include <string>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "support/null_render.h"

namespace {

using namespace KOR;

// Glyphs for the 95 printable ASCII codes, 10 x 16 cells on a 256 x 128 page.
std::string font_description() {
  std::string xml = "<font><common lineHeight=\"16\"/><chars>";
  for (int c = 32; c < 127; ++c) {
    const int i = c - 32;
    xml += "<char id=\"" + std::to_string(c) + "\" x=\"" + std::to_string(i % 25 * 10) + "\" y=\"" +
           std::to_string(i / 25 * 16) +
           "\" width=\"9\" height=\"15\" xoffset=\"0\" yoffset=\"0\" xadvance=\"10\"/>";
  }
  return xml + "</chars></font>";
}

void BM_WideTextBlock(benchmark::State& state) {
  primitives_test::NullRender r;
  pugi::xml_document doc;
  doc.load_string(font_description().c_str());
  KC_FONT font(doc.child("font"), r.texture(256, 128), 600);
  font.anchor = static_cast<unsigned>(state.range(0));
  const std::wstring text =
      L"Connect the start pipe to the final pipe\nbefore the countdown runs out,\n"
      L"and collect the coins on the way.";
  for (auto _ : state) {
    font.draw_text_w(512, 300, text.c_str());
    r.render.flush();
    r.gpu->draws.clear();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size() - 2));
}
// Upper-left anchor, then the centre, which measures every line.
BENCHMARK(BM_WideTextBlock)->Arg(1)->Arg(0);

}  // namespace
