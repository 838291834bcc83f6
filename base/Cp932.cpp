// CP932 conversion over glibc iconv ("CP932", not "SHIFT_JIS", which maps
// ～ ① ＼ differently).
#include "base/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts one character's bytes; false when iconv refuses them.
bool ConvertOne(iconv_t cd, const char* in, std::size_t inLen, QByteArray& out) {
  char buf[16];
  char* src = const_cast<char*>(in);
  char* dst = buf;
  std::size_t left = sizeof buf;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &src, &inLen, &dst, &left) == static_cast<std::size_t>(-1) || inLen != 0)
    return false;
  out.append(buf, dst - buf);
  return true;
}

}  // namespace

std::optional<QByteArray> EncodeCp932(QStringView text, qsizetype* badIndex) {
  Iconv cd("CP932", "UTF-16LE");
  if (!cd.ok()) return std::nullopt;
  QByteArray out;
  out.reserve(text.size() * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype units = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    const char16_t* unit = reinterpret_cast<const char16_t*>(text.utf16()) + i;
    if (!ConvertOne(cd.get(), reinterpret_cast<const char*>(unit), units * 2, out)) {
      if (badIndex) *badIndex = i;
      return std::nullopt;
    }
    i += units - 1;
  }
  return out;
}

QString DecodeCp932(QByteArrayView bytes) {
  Iconv cd("UTF-16LE", "CP932");
  QString out;
  out.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const qsizetype len = (IsCp932LeadByte(lead) && i + 1 < bytes.size()) ? 2 : 1;
    QByteArray utf16;
    if (cd.ok() && ConvertOne(cd.get(), bytes.data() + i, len, utf16))
      out.append(QStringView(reinterpret_cast<const char16_t*>(utf16.constData()),
                             utf16.size() / 2));
    else
      out.append(QChar(QChar::ReplacementCharacter));
    i += len;
  }
  return out;
}

QString DecodeCp932Buffer(const char* buffer, std::size_t size) {
  const void* nul = std::memchr(buffer, 0, size);
  const std::size_t len = nul ? static_cast<const char*>(nul) - buffer : size;
  return DecodeCp932(QByteArrayView(buffer, static_cast<qsizetype>(len)));
}

QByteArray TruncateCp932(QByteArrayView bytes, qsizetype maxBytes) {
  qsizetype end = 0;
  while (end < bytes.size()) {
    const qsizetype len = IsCp932LeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
    if (end + len > maxBytes || end + len > bytes.size()) break;
    end += len;
  }
  return bytes.first(end).toByteArray();
}

void StoreCp932Bytes(char* buffer, std::size_t size, QByteArrayView bytes) {
  if (size == 0) return;
  const QByteArray cut = TruncateCp932(bytes, static_cast<qsizetype>(size) - 1);
  std::memcpy(buffer, cut.constData(), static_cast<std::size_t>(cut.size()));
  std::memset(buffer + cut.size(), 0, size - static_cast<std::size_t>(cut.size()));
}

bool StoreCp932(char* buffer, std::size_t size, QStringView text) {
  if (size == 0) return false;
  const std::optional<QByteArray> bytes = EncodeCp932(text);
  if (!bytes) return false;
  StoreCp932Bytes(buffer, size, *bytes);
  return true;
}
