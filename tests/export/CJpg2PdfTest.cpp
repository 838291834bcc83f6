#include "export/CJpg2Pdf.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "export/JpegProbe.h"

namespace {

// The smallest files the probe accepts: start of image, an APP0 block to skip,
// a baseline frame header of 3 x 2 pixels, end of image.
const QByteArray kRgbJpeg = QByteArray::fromHex(
    "FFD8" "FFE000044142" "FFC0001108000200030301220002110103110" "1" "FFD9");
const QByteArray kCmykJpeg = QByteArray::fromHex(
    "FFD8" "FFC00014080002000304" "010000" "020000" "030000" "040000" "FFD9");

QByteArray Lines(std::initializer_list<const char*> lines) {
  QByteArray text;
  for (const char* line : lines) text.append(line).append('\n');
  return text;
}

QByteArray Head(const char* mediaBox) {
  return Lines({"%PDF-1.2", "1 0 obj", "<<", "/Type /Catalog", "/Pages 2 0 R", ">>", "endobj",
                "2 0 obj", "<<", "/Type /Pages", "/Kids [ 3 0 R ]", "/Count 1", ">>", "endobj",
                "3 0 obj", "<<", "/Type /Page", "/Parent 2 0 R", "/Resources", "<<",
                "/XObject << /Im0 4 0 R >>", "/ProcSet [ /PDF /ImageC ]", ">>", mediaBox,
                "/Contents 5 0 R", ">>", "endobj"});
}

QByteArray Tail(const char* transform, std::initializer_list<const char*> xref) {
  QByteArray tail = Lines({"endstream", "endobj", "5 0 obj", "<< /Length 6 0 R >>", "stream", "q",
                           transform, "/Im0 Do", "Q", "endstream", "endobj", "6 0 obj", "27", "endobj",
                           "xref", "0 7", "0000000000 65535 f "});
  tail += Lines(xref);
  return tail;
}

// The golden files: everything but the image's colour lines, the JPEG bytes
// and the offsets after them is the same for both.
TEST(CJpg2Pdf, WritesThePageByteForByte) {
  const struct {
    const char* name;
    QByteArray jpeg;
    std::initializer_list<const char*> colourAndLength;
    const char* offset5;
    const char* offset6;
    const char* xref;
  } cases[] = {
      {"RGB", kRgbJpeg, {"/ColorSpace /DeviceRGB", "/Length 29 >>"}, "0000000474 00000 n ",
       "0000000553 00000 n ", "571"},
      {"CMYK, inks inverted", kCmykJpeg,
       {"/ColorSpace /DeviceCMYK", "/Decode[1 0 1 0 1 0 1 0]", "/Length 26 >>"}, "0000000497 00000 n ",
       "0000000576 00000 n ", "594"},
  };
  for (const auto& c : cases) {
    const QByteArray expected =
        Head("/MediaBox [ 0 0 3 2 ]") +
        Lines({"4 0 obj", "<<", "/Type /XObject", "/Subtype /Image", "/Name /Im0", "/Width 3", "/Height 2",
               "/BitsPerComponent 8", "/Filter [/DCTDecode]"}) +
        Lines(c.colourAndLength) + Lines({"stream"}) + c.jpeg +
        Tail("3 0 0 2 0 0 cm",
             {"0000000009 00000 n ", "0000000058 00000 n ", "0000000117 00000 n ", "0000000271 00000 n ",
              c.offset5, c.offset6, "trailer", "<<", "/Size 7", "/Root 1 0 R", ">>", "startxref", c.xref,
              "%%EOF"});
    const std::optional<QByteArray> pdf = CJpg2Pdf::Make(c.jpeg);
    ASSERT_TRUE(pdf) << c.name;
    EXPECT_EQ(*pdf, expected) << c.name;
  }
}

TEST(CJpg2Pdf, AZoomedSlideKeepsItsPageSize) {
  const std::optional<QByteArray> pdf = CJpg2Pdf::Make(kRgbJpeg, QSize(1000, 750));
  ASSERT_TRUE(pdf);
  EXPECT_TRUE(pdf->contains("/MediaBox [ 0 0 1000 750 ]\n"));
  EXPECT_TRUE(pdf->contains("\n1000 0 0 750 0 0 cm\n"));
  EXPECT_TRUE(pdf->contains("/Width 3\n/Height 2\n"));
}

TEST(CJpg2Pdf, FailuresNameTheStep) {
  QTemporaryDir dir;
  const QByteArray grey = QByteArray::fromHex("FFD8FFC0000B080002000301010000FFD9");
  const Result<void> noSize = CJpg2Pdf::Write(grey, dir.filePath("a.pdf"));
  ASSERT_FALSE(noSize);
  EXPECT_EQ(noSize.error().id, 30003);
  EXPECT_EQ(noSize.error().detail, "[Get Size]\n");
  EXPECT_FALSE(QFile::exists(dir.filePath("a.pdf")));

  const Result<void> noFile = CJpg2Pdf::Write(kRgbJpeg, dir.filePath("missing/a.pdf"));
  ASSERT_FALSE(noFile);
  EXPECT_EQ(noFile.error().detail, "[File Create]\n");

  EXPECT_TRUE(CJpg2Pdf::Write(kRgbJpeg, dir.filePath("b.pdf")));
  QFile written(dir.filePath("b.pdf"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), *CJpg2Pdf::Make(kRgbJpeg));
}

TEST(JpegProbe, ReadsTheFrameHeaderAndRefusesWhatItCannotTrust) {
  struct Case {
    const char* name;
    const char* hex;
    int width, height, components;  // 0: refused
  } cases[] = {
      {"baseline", "FFD8FFC0001108000200030301220002110103110" "1FFD9", 3, 2, 3},
      {"progressive after a skipped block", "FFD8FFE2000400FFFFC2000B08000A001403010000", 20, 10, 3},
      {"not a JPEG", "FFD9FFC0000B080002000303010000", 0, 0, 0},
      {"end of image before a frame", "FFD8FFD9FFC0000B080002000303010000", 0, 0, 0},
      {"fill bytes", "FFD8FFFFC0000B080002000303010000", 0, 0, 0},
      {"length below 2", "FFD8FFE00001FFC0000B080002000303010000", 0, 0, 0},
      {"length 0", "FFD8FFE00000FFC0000B080002000303010000", 0, 0, 0},
      {"length past the end", "FFD8FFE0FFF0FFC0000B080002000303010000", 0, 0, 0},
      {"frame cut short", "FFD8FFC0000B0800020003", 0, 0, 0},
      {"frame header too small", "FFD8FFC00004080002", 0, 0, 0},
      {"zero width", "FFD8FFC0000B080002000003010000", 0, 0, 0},
      {"one component", "FFD8FFC0000B080002000301010000", 0, 0, 0},
      {"no frame at all", "FFD8FFE000044142", 0, 0, 0},
      {"empty", "", 0, 0, 0},
  };
  for (const Case& c : cases) {
    const std::optional<JpegFrame> frame = ProbeJpeg(QByteArray::fromHex(c.hex));
    if (c.components == 0) {
      EXPECT_FALSE(frame) << c.name;
      continue;
    }
    ASSERT_TRUE(frame) << c.name;
    EXPECT_EQ(frame->width, c.width) << c.name;
    EXPECT_EQ(frame->height, c.height) << c.name;
    EXPECT_EQ(frame->components, c.components) << c.name;
  }
}

}  // namespace
