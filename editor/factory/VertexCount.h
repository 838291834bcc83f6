// What the vertex-count dialog "頂点数" asks for a regular polygon or a star,
// and the remembered last answer ("Last"/"Summit").
#pragma once

struct VertexCountAsk {
  bool star = false;
  int limit = 0;      // the largest count offered; the smallest is kMinVertexCount
  int exampleId = 0;  // string-table id of the example line
  int start = 0;      // the value the dialog starts at
};

inline constexpr int kMinVertexCount = 3;

// A star of n points has 2n vertices, so its limit is half a record's.
VertexCountAsk VertexCountFor(bool star);

// True for an answer the dialog may give for `ask`.
bool VertexCountAllowed(const VertexCountAsk& ask, int count);

void RememberVertexCount(int count);
