// The document information an exported PDF carries.
#pragma once

#include <QDateTime>
#include <QString>

#include "export/PdfWeld.h"

// A PDF date: "D:YYYYMMDDHHmmSS" and the offset from UTC ("+09'00'", "Z").
QByteArray PdfDate(const QDateTime& time);

// Title (the document's title without its extension; characters CP932 lacks
// become "?"), three empty texts, Creator and Producer naming the program, and
// `time` as the creation and modification dates.
PdfInfoTexts MakePdfInfo(const QString& title, const QDateTime& time);
