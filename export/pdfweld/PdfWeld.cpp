// The PDF helper on qpdf. Every entry point catches everything: nothing may
// cross the C boundary but a result code.
#include "pdfweld.h"

#include <iconv.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#define PDFWELD_EXPORT __attribute__((visibility("default")))

namespace {

struct Pdf {
  std::shared_ptr<QPDF> qpdf;
  // Documents whose pages were joined in: their streams are read when written.
  std::vector<std::shared_ptr<QPDF>> sources;
};

constexpr const char* kInfoKeys[8] = {"/Title",   "/Author",   "/Subject",      "/Keywords",
                                      "/Creator", "/Producer", "/CreationDate", "/ModDate"};

bool IsAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

// A PDF text string: ASCII as it is, anything else as UTF-16BE after its
// byte-order mark. False when `cp932` is not valid CP932.
bool PdfText(const std::string& cp932, std::string& out) {
  if (IsAscii(cp932)) {
    out = cp932;
    return true;
  }
  iconv_t cd = iconv_open("UTF-16BE", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = cp932;
  std::string utf16(in.size() * 4 + 4, '\0');
  char* src = in.data();
  size_t srcLeft = in.size();
  char* dst = utf16.data();
  size_t dstLeft = utf16.size();
  const size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1) || srcLeft != 0) return false;
  utf16.resize(utf16.size() - dstLeft);
  out = std::string("\xFE\xFF", 2) + utf16;
  return true;
}

// Writes beside `output` first and renames, so an older file survives a failure.
// The file is closed here, not by qpdf, which does not notice a write that a
// full disk refused.
bool Write(Pdf& pdf, const char* output) {
  std::string scratch = std::string(output) + ".XXXXXX";
  const int fd = mkstemp(scratch.data());
  if (fd < 0) return false;
  // mkstemp makes the file private; the result gets the usual permissions.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    close(fd);
    std::remove(scratch.c_str());
    return false;
  }
  bool written = true;
  try {
    QPDFWriter writer(*pdf.qpdf);
    writer.setOutputFile(scratch.c_str(), file, false);
    // The same pages and information give the same file, byte for byte.
    writer.setDeterministicID(true);
    writer.write();
  } catch (...) {
    written = false;
  }
  // A refused write may leave no trace but the stream's error flag.
  written = std::fflush(file) == 0 && std::ferror(file) == 0 && written;
  written = std::fclose(file) == 0 && written;
  if (!written || std::rename(scratch.c_str(), output) != 0) {
    std::remove(scratch.c_str());
    return false;
  }
  return true;
}

}  // namespace

extern "C" {

PDFWELD_EXPORT PDFHANDLE LoadPDF(const char* path) {
  if (path == nullptr || *path == '\0') return nullptr;
  try {
    auto pdf = std::make_unique<Pdf>();
    pdf->qpdf = QPDF::create();
    pdf->qpdf->setSuppressWarnings(true);
    pdf->qpdf->processFile(path);
    return pdf.release();
  } catch (...) {
    return nullptr;
  }
}

PDFWELD_EXPORT int CombinePDF(PDFHANDLE first, PDFHANDLE second, const char* output) {
  if (first == nullptr || second == nullptr || first == second) return 0;
  Pdf& into = *static_cast<Pdf*>(first);
  Pdf& from = *static_cast<Pdf*>(second);
  try {
    QPDFPageDocumentHelper pages(*into.qpdf);
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(*from.qpdf).getAllPages())
      pages.addPage(page, false);
    into.sources.push_back(from.qpdf);
    into.sources.insert(into.sources.end(), from.sources.begin(), from.sources.end());
  } catch (...) {
    return 0;
  }
  if (output != nullptr && *output != '\0') return Write(into, output) ? 1 : 0;
  return 1;
}

PDFWELD_EXPORT int WritePDFInfo(PDFHANDLE handle, const char* const* info, const char* output) {
  if (handle == nullptr || info == nullptr || output == nullptr || *output == '\0') return 0;
  Pdf& pdf = *static_cast<Pdf*>(handle);
  try {
    QPDFObjectHandle dictionary = QPDFObjectHandle::newDictionary();
    for (int i = 0; i < 8; ++i) {
      std::string text;
      if (!PdfText(info[i] != nullptr ? info[i] : "", text)) return 0;
      dictionary.replaceKey(kInfoKeys[i], QPDFObjectHandle::newString(text));
    }
    pdf.qpdf->getTrailer().replaceKey("/Info", pdf.qpdf->makeIndirectObject(dictionary));
  } catch (...) {
    return 0;
  }
  return Write(pdf, output) ? 1 : 0;
}

PDFWELD_EXPORT void FreePDF(PDFHANDLE pdf) { delete static_cast<Pdf*>(pdf); }

}  // extern "C"
