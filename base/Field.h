// Cuts a text at a separator and returns one part.
#pragma once

#include <QString>

// The n-th part (from 1) of `text` cut at every `separator`; empty when n is
// below 1 or beyond the number of parts.
QString Field(const QString& text, int n, const QString& separator);
