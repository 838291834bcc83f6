#include "export/CJpg2Pdf.h"

#include <QFile>
#include <array>

#include "base/MessageIds.h"
#include "export/JpegProbe.h"

namespace {

// The file grows line by line; objects remember where they start.
class PdfText {
 public:
  void Line(const char* text) { bytes_.append(text).append('\n'); }
  void Line(const QByteArray& text) { bytes_.append(text).append('\n'); }
  void Raw(QByteArrayView data) { bytes_.append(data); }
  void BeginObject(int number) {
    offsets_[number] = bytes_.size();
    Line(QByteArray::number(number) + " 0 obj");
  }
  qsizetype Size() const { return bytes_.size(); }
  qsizetype Offset(int number) const { return offsets_[number]; }
  QByteArray Take() { return std::move(bytes_); }

 private:
  QByteArray bytes_;
  std::array<qsizetype, 7> offsets_{};
};

QByteArray Num(qint64 n) { return QByteArray::number(n); }

void WriteImage(PdfText& pdf, QByteArrayView jpeg, const JpegFrame& frame) {
  pdf.BeginObject(4);
  for (const char* line : {"<<", "/Type /XObject", "/Subtype /Image", "/Name /Im0"}) pdf.Line(line);
  pdf.Line("/Width " + Num(frame.width));
  pdf.Line("/Height " + Num(frame.height));
  pdf.Line("/BitsPerComponent 8");
  pdf.Line("/Filter [/DCTDecode]");
  if (frame.components == 4) {
    // Adobe's CMYK JPEGs store inverted inks.
    pdf.Line("/ColorSpace /DeviceCMYK");
    pdf.Line("/Decode[1 0 1 0 1 0 1 0]");
  } else {
    pdf.Line("/ColorSpace /DeviceRGB");
  }
  pdf.Line("/Length " + Num(jpeg.size()) + " >>");
  pdf.Line("stream");
  pdf.Raw(jpeg);
  pdf.Line("endstream");
  pdf.Line("endobj");
}

void WriteContents(PdfText& pdf, QSize page) {
  pdf.BeginObject(5);
  pdf.Line("<< /Length 6 0 R >>");
  pdf.Line("stream");
  const qsizetype start = pdf.Size();
  pdf.Line("q");
  pdf.Line(Num(page.width()) + " 0 0 " + Num(page.height()) + " 0 0 cm");
  pdf.Line("/Im0 Do");
  pdf.Line("Q");
  const qsizetype length = pdf.Size() - start;
  pdf.Line("endstream");
  pdf.Line("endobj");
  pdf.BeginObject(6);
  pdf.Line(Num(length));
  pdf.Line("endobj");
}

void WriteTrailer(PdfText& pdf) {
  const qsizetype xref = pdf.Size();
  pdf.Line("xref");
  pdf.Line("0 7");
  pdf.Line("0000000000 65535 f ");
  for (int n = 1; n <= 6; ++n)
    pdf.Line(QByteArray::number(pdf.Offset(n)).rightJustified(10, '0') + " 00000 n ");
  for (const char* line : {"trailer", "<<", "/Size 7", "/Root 1 0 R", ">>", "startxref"}) pdf.Line(line);
  pdf.Line(Num(xref));
  pdf.Line("%%EOF");
}

}  // namespace

std::optional<QByteArray> CJpg2Pdf::Make(QByteArrayView jpeg, QSize page) {
  const std::optional<JpegFrame> frame = ProbeJpeg(jpeg);
  if (!frame) return std::nullopt;
  if (page.isEmpty()) page = QSize(frame->width, frame->height);
  PdfText pdf;
  pdf.Line("%PDF-1.2");
  pdf.BeginObject(1);
  for (const char* line : {"<<", "/Type /Catalog", "/Pages 2 0 R", ">>", "endobj"}) pdf.Line(line);
  pdf.BeginObject(2);
  for (const char* line : {"<<", "/Type /Pages", "/Kids [ 3 0 R ]", "/Count 1", ">>", "endobj"})
    pdf.Line(line);
  pdf.BeginObject(3);
  for (const char* line : {"<<", "/Type /Page", "/Parent 2 0 R", "/Resources", "<<",
                           "/XObject << /Im0 4 0 R >>", "/ProcSet [ /PDF /ImageC ]", ">>"})
    pdf.Line(line);
  pdf.Line("/MediaBox [ 0 0 " + Num(page.width()) + " " + Num(page.height()) + " ]");
  for (const char* line : {"/Contents 5 0 R", ">>", "endobj"}) pdf.Line(line);
  WriteImage(pdf, jpeg, *frame);
  WriteContents(pdf, page);
  WriteTrailer(pdf);
  return pdf.Take();
}

Result<void> CJpg2Pdf::Write(QByteArrayView jpeg, const QString& pdfPath, QSize page) {
  const std::optional<QByteArray> pdf = Make(jpeg, page);
  if (!pdf) return Failure(msg::CopyFailed, "[Get Size]\n");
  QFile file(pdfPath);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return Failure(msg::CopyFailed, "[File Create]\n");
  if (file.write(*pdf) != pdf->size() || !file.flush()) {
    file.close();
    file.remove();
    return Failure(msg::CopyFailed, "[Copy Stream]\n");
  }
  file.close();
  return {};
}
