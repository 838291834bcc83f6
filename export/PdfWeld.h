// The PDF helper library "pdfweld", loaded at run time from the program's
// folder for one export and unloaded afterwards.
#pragma once

#include <QByteArray>
#include <QLibrary>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "base/Failure.h"

// Title, Author, Subject, Keywords, Creator, Producer, CreationDate, ModDate as
// CP932 texts.
using PdfInfoTexts = std::array<QByteArray, 8>;

class PdfWeld {
 public:
  // The library's file name, as the document information names it.
  static const char kFileName[];

  // The library in `folder`. 30026 after the library's path when it is missing
  // or lacks an entry point.
  static Result<std::unique_ptr<PdfWeld>> Open(const QString& folder);

  // A loaded PDF document; released with its owner's FreePDF.
  class Pdf {
   public:
    Pdf(Pdf&& other) noexcept;
    Pdf& operator=(Pdf&&) = delete;
    ~Pdf();

   private:
    friend class PdfWeld;
    Pdf(const PdfWeld* weld, void* handle) : weld_(weld), handle_(handle) {}
    const PdfWeld* weld_;
    void* handle_;
  };

  // nullopt when the file cannot be read as a PDF.
  std::optional<Pdf> LoadPdf(const QString& path) const;
  // Appends the pages of `second` to `first`; no file is written.
  bool Append(Pdf& first, const Pdf& second) const;
  // Writes `pdf` with `info` to `output`.
  bool WriteInfo(Pdf& pdf, const PdfInfoTexts& info, const QString& output) const;

 private:
  using LoadFn = void* (*)(const char*);
  using CombineFn = int (*)(void*, void*, const char*);
  using WriteInfoFn = int (*)(void*, const char* const*, const char*);
  using FreeFn = void (*)(void*);

  explicit PdfWeld(const QString& path) : library_(path) {}

  QLibrary library_;
  LoadFn load_ = nullptr;
  CombineFn combine_ = nullptr;
  WriteInfoFn writeInfo_ = nullptr;
  FreeFn free_ = nullptr;
};
