// The sample presentation: a few slides that show what Tessaly does, made
// with the object factory from the built-in defaults (the user's settings are
// neither read nor written).
#pragma once

#include <QString>

#include "base/Failure.h"

class Document;

// Replaces `doc` with the sample presentation.
void BuildSamplePresentation(Document& doc);

// Builds the sample and saves it as a .tvl file at `path`.
Result<void> SaveSamplePresentation(const QString& path);
