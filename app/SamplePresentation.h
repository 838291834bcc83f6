// The sample presentation: a few slides that show what Tessaly does, made
// with the object factory from the built-in defaults (the user's settings are
// neither read nor written).
#pragma once

#include <QString>

class Document;

// Replaces `doc` with the sample presentation.
void BuildSamplePresentation(Document& doc);

// Builds the sample and saves it as a .tvl file at `path`; false when it
// could not be written (the message was shown).
bool SaveSamplePresentation(const QString& path);
