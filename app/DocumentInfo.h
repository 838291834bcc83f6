// A short JSON summary of a document, for `Tessaly --info`.
#pragma once

#include <QByteArray>

class Document;

QByteArray DocumentInfoJson(const Document& doc);
