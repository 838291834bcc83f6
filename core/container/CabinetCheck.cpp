// Structural check of cabinet bytes (little-endian CFHEADER, CFFOLDER, CFFILE
// and CFDATA records), done before the archive is handed to the decoder.
#include "core/container/CabinetCheck.h"

#include <optional>

namespace cab {
namespace {

constexpr std::uint16_t kFlagPrev = 0x0001;
constexpr std::uint16_t kFlagNext = 0x0002;
constexpr std::uint16_t kFlagReserve = 0x0004;
constexpr std::size_t kHeaderSize = 36;
constexpr std::uint32_t kMaxBlock = 32768;               // uncompressed bytes per block
constexpr std::uint32_t kMaxCompressed = kMaxBlock + 6144;  // what decoders accept
constexpr std::size_t kMaxName = 256;

// Bounds-checked little-endian reader over the whole file.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Seek(std::size_t pos) {
    if (pos > bytes_.size()) return false;
    pos_ = pos;
    return true;
  }
  std::size_t Pos() const { return pos_; }
  bool Skip(std::size_t n) { return n <= bytes_.size() - pos_ && Seek(pos_ + n); }
  std::optional<std::uint32_t> Get(int width) {
    if (static_cast<std::size_t>(width) > bytes_.size() - pos_) return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i) v |= std::uint32_t{bytes_[pos_ + i]} << (8 * i);
    pos_ += width;
    return v;
  }
  // A NUL-terminated string of at most `max` bytes before the NUL.
  std::optional<std::string> String(std::size_t max) {
    for (std::size_t i = pos_; i < bytes_.size() && i - pos_ <= max; ++i) {
      if (bytes_[i] == 0) {
        std::string s(reinterpret_cast<const char*>(bytes_.data() + pos_), i - pos_);
        pos_ = i + 1;
        return s;
      }
    }
    return std::nullopt;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

struct Header {
  std::uint32_t filesOffset = 0;
  std::uint16_t folders = 0;
  std::uint16_t files = 0;
  std::uint8_t folderReserve = 0;
  std::uint8_t dataReserve = 0;
};

CabinetCheck Fail(std::string why) {
  CabinetCheck c;
  c.error = std::move(why);
  return c;
}

std::optional<Header> ReadHeader(Reader& r, std::size_t fileSize, std::string& why) {
  if (fileSize < kHeaderSize || r.Get(4) != 0x4643534Du) {  // "MSCF"
    why = "not a cabinet";
    return std::nullopt;
  }
  Header h;
  r.Skip(4);
  const std::uint32_t cabinetSize = *r.Get(4);
  r.Skip(4);
  h.filesOffset = *r.Get(4);
  r.Skip(5);
  const std::uint32_t major = *r.Get(1);
  h.folders = static_cast<std::uint16_t>(*r.Get(2));
  h.files = static_cast<std::uint16_t>(*r.Get(2));
  const std::uint32_t flags = *r.Get(2);
  r.Skip(4);
  if (cabinetSize > fileSize) why = "truncated cabinet";
  else if (major != 1) why = "unknown cabinet version";
  else if (flags & (kFlagPrev | kFlagNext)) why = "part of a multi-cabinet set";
  if (!why.empty()) return std::nullopt;
  if (flags & kFlagReserve) {
    const auto headerReserve = r.Get(2);
    const auto folderReserve = r.Get(1), dataReserve = r.Get(1);
    if (!headerReserve || !dataReserve || !r.Skip(*headerReserve)) {
      why = "bad reserved area";
      return std::nullopt;
    }
    h.folderReserve = static_cast<std::uint8_t>(*folderReserve);
    h.dataReserve = static_cast<std::uint8_t>(*dataReserve);
  }
  return h;
}

// Walks the data blocks of one folder; returns its uncompressed size.
std::optional<std::uint64_t> CheckFolder(Reader& r, const Header& h, std::string& why) {
  const auto dataOffset = r.Get(4), blocks = r.Get(2), type = r.Get(2);
  if (!type || !r.Skip(h.folderReserve)) {
    why = "truncated folder entry";
    return std::nullopt;
  }
  const std::uint32_t method = *type & 0x0F;
  if (method != 0 && method != 1 && method != 3) {
    why = "unsupported compression";
    return std::nullopt;
  }
  const std::size_t next = r.Pos();
  std::uint64_t total = 0;
  if (!r.Seek(*dataOffset)) why = "folder data outside the file";
  for (std::uint32_t i = 0; why.empty() && i < *blocks; ++i) {
    r.Skip(4);
    const auto packed = r.Get(2), plain = r.Get(2);
    if (!plain || !r.Skip(h.dataReserve) || !r.Skip(*packed)) why = "truncated data block";
    else if (*plain > kMaxBlock || *packed > kMaxCompressed) why = "oversized data block";
    else if (method == 0 && *packed != *plain) why = "stored block sizes differ";
    total += plain.value_or(0);
  }
  if (!why.empty()) return std::nullopt;
  r.Seek(next);
  return total;
}

}  // namespace

bool IsSafeMemberName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.front() == '\\') return false;
  if (name.back() == '/' || name.back() == '\\') return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = name.size();
    if (name.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return name.find('\0') == std::string_view::npos;
}

CabinetCheck CheckCabinet(std::span<const std::uint8_t> bytes) {
  Reader r(bytes);
  std::string why;
  const std::optional<Header> h = ReadHeader(r, bytes.size(), why);
  if (!h) return Fail(why);
  std::vector<std::uint64_t> folderSizes;
  for (int i = 0; i < h->folders; ++i) {
    const auto size = CheckFolder(r, *h, why);
    if (!size) return Fail(why);
    folderSizes.push_back(*size);
  }
  CabinetCheck result;
  if (!r.Seek(h->filesOffset)) return Fail("file entries outside the file");
  for (int i = 0; i < h->files; ++i) {
    const auto size = r.Get(4), offset = r.Get(4), folder = r.Get(2);
    if (!folder || !r.Skip(6)) return Fail("truncated file entry");
    std::optional<std::string> name = r.String(kMaxName);
    if (!name) return Fail("unterminated member name");
    if (*folder >= folderSizes.size()) return Fail("member in a folder that does not exist");
    if (std::uint64_t{*offset} + *size > folderSizes[*folder]) return Fail("member beyond its data");
    if (!IsSafeMemberName(*name)) {
      result.status = CheckStatus::UnsafeName;
      result.error = "unsafe member name: " + *name;
      return result;
    }
    result.members.push_back({std::move(*name), *size});
  }
  result.status = CheckStatus::Ok;
  return result;
}

}  // namespace cab
