// The drawing order of the selected objects: to the front, to the back, and
// the exchange of two selected objects. The view states move with their records.
#pragma once

class Document;

// Unselected records first, then the selected ones, each in table order;
// false when the order stays the same. Returns through `primary` the new
// primary: the last record.
bool BringToFront(Document& doc, int& primary);
// Selected records first; the primary becomes the first record.
bool SendToBack(Document& doc, int& primary);
// The two selected records with the lowest indices exchange places; false
// with fewer than two selected.
bool SwapFrontBack(Document& doc);
