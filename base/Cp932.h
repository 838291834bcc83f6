// Shift-JIS (code page 932) text: conversion to and from QString and
// byte-limited storage that never splits a double-byte character.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <optional>

// True for a byte that starts a two-byte character.
constexpr bool IsCp932LeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Encodes `text`; nullopt when a character has no CP932 form. `badIndex`
// then receives the index of the first such character in `text`.
std::optional<QByteArray> EncodeCp932(QStringView text, qsizetype* badIndex = nullptr);

// Decodes CP932 bytes. Invalid sequences become U+FFFD so that hostile files
// still give a readable text.
QString DecodeCp932(QByteArrayView bytes);

// Decodes a NUL-terminated string from a fixed buffer; a missing NUL ends the
// string at the buffer's end.
QString DecodeCp932Buffer(const char* buffer, std::size_t size);

// The longest prefix of `bytes` that fits in `maxBytes` without splitting a character.
QByteArray TruncateCp932(QByteArrayView bytes, qsizetype maxBytes);

// Stores CP932 `bytes` NUL-terminated in `buffer`, cut at a character boundary
// to fit; the rest of the buffer is zeroed.
void StoreCp932Bytes(char* buffer, std::size_t size, QByteArrayView bytes);

// Stores `text` NUL-terminated in `buffer` (cut at a character boundary to fit).
// Returns false, leaving the buffer unchanged, when the text has a character
// CP932 cannot encode.
bool StoreCp932(char* buffer, std::size_t size, QStringView text);
