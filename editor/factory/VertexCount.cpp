#include "editor/factory/VertexCount.h"

#include <algorithm>

#include "base/Settings.h"
#include "core/Records.h"

namespace {

constexpr IntSetting kSummit{"Last", "Summit", 4};
constexpr int kStarExample = 30025;     // [例] 六角星 ⇒ 6
constexpr int kPolygonExample = 30031;  // [例] 八角形 ⇒ 8

}  // namespace

VertexCountAsk VertexCountFor(bool star) {
  VertexCountAsk ask;
  ask.star = star;
  ask.limit = star ? kMaxPoints / 2 : kMaxPoints;
  ask.exampleId = star ? kStarExample : kPolygonExample;
  // Polygons and stars share the remembered value, whose range differs.
  ask.start = std::clamp(GetInt(kSummit), kMinVertexCount, ask.limit);
  return ask;
}

bool VertexCountAllowed(const VertexCountAsk& ask, int count) {
  return count >= kMinVertexCount && count <= ask.limit;
}

void RememberVertexCount(int count) { WriteInt(kSummit, count); }
