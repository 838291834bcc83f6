#include "editor/ObjectOrder.h"

#include <utility>
#include <vector>

#include "core/Document.h"

namespace {

// Reorders records and view states so that position k holds the old `order[k]`.
bool Permute(Document& doc, const std::vector<int>& order) {
  bool same = true;
  for (int k = 0; k < static_cast<int>(order.size()); ++k) same = same && order[k] == k;
  if (same) return false;
  std::vector<ObjectRecord> records;
  std::vector<ObjectViewState> views;
  records.reserve(order.size());
  views.reserve(order.size());
  for (int i : order) {
    records.push_back(doc.Object(i));
    views.push_back(doc.View(i));
  }
  for (int k = 0; k < static_cast<int>(order.size()); ++k) {
    doc.Object(k) = records[k];
    doc.View(k) = views[k];
  }
  return true;
}

bool Restack(Document& doc, bool selectedFirst) {
  std::vector<int> order;
  order.reserve(doc.ObjCount());
  for (const bool pass : {selectedFirst, !selectedFirst})
    for (int i = 0; i < doc.ObjCount(); ++i)
      if ((doc.View(i).Selected != 0) == pass) order.push_back(i);
  return Permute(doc, order);
}

}  // namespace

bool BringToFront(Document& doc, int& primary) {
  if (primary < 0 || doc.ObjCount() == 0) return false;
  const bool changed = Restack(doc, false);
  primary = doc.ObjCount() - 1;
  return changed;
}

bool SendToBack(Document& doc, int& primary) {
  if (primary < 0 || doc.ObjCount() == 0) return false;
  const bool changed = Restack(doc, true);
  primary = 0;
  return changed;
}

bool SwapFrontBack(Document& doc) {
  int first = -1;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (!doc.View(i).Selected) continue;
    if (first < 0) {
      first = i;
      continue;
    }
    std::swap(doc.Object(first), doc.Object(i));
    std::swap(doc.View(first), doc.View(i));
    return true;
  }
  return false;
}
