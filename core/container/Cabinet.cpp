// libgcab behind a plain interface. No Qt header may be included here:
// glib's "signals" struct member clashes with Qt's macro.
#include "core/container/Cabinet.h"

#include <libgcab.h>

#include <fstream>

namespace cab {
namespace {

std::string Describe(GError* error, const char* fallback) {
  return error != nullptr && error->message != nullptr ? error->message : fallback;
}

struct ExtractState {
  std::filesystem::path dest;
  std::filesystem::path last;
  bool refused = false;
};

// Cabinets written on Windows separate folders with backslashes.
std::string Portable(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

// True when dest/name, taken apart lexically, still lies below dest.
bool StaysBelow(const std::filesystem::path& dest, const std::string& name) {
  const std::filesystem::path full = (dest / Portable(name)).lexically_normal();
  const std::filesystem::path rel = full.lexically_relative(dest);
  return !rel.empty() && *rel.begin() != ".." && *rel.begin() != ".";
}

// Called by libgcab before each member is written; a refusal skips the member
// and fails the whole extraction afterwards.
gboolean OnExtractMember(GCabFile* file, gpointer data) {
  auto* state = static_cast<ExtractState*>(data);
  const char* name = gcab_file_get_extract_name(file);
  if (name == nullptr || !IsSafeMemberName(name) || !StaysBelow(state->dest, name)) {
    state->refused = true;
    return FALSE;
  }
  state->last = state->dest / Portable(name);
  return TRUE;
}

bool LoadCabinet(const std::filesystem::path& path, GCabCabinet* cabinet, std::string& why) {
  g_autoptr(GFile) file = g_file_new_for_path(path.c_str());
  g_autoptr(GError) error = nullptr;
  g_autoptr(GFileInputStream) in = g_file_read(file, nullptr, &error);
  if (in == nullptr || !gcab_cabinet_load(cabinet, G_INPUT_STREAM(in), nullptr, &error)) {
    why = Describe(error, "cannot load the cabinet");
    return false;
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::uintmax_t maxBytes) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > maxBytes) return false;
  std::ifstream in(path, std::ios::binary);
  bytes.resize(static_cast<std::size_t>(size));
  return in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)) &&
         in.peek() == std::ifstream::traits_type::eof();
}

bool BuildSingleMember(const std::filesystem::path& dataFile, const std::string& memberName,
                       std::vector<std::uint8_t>& cabinet, std::string* error) {
  g_autoptr(GError) gerror = nullptr;
  g_autoptr(GCabCabinet) cab = gcab_cabinet_new();
  g_autoptr(GCabFolder) folder = gcab_folder_new(GCAB_COMPRESSION_MSZIP);
  g_autoptr(GFile) source = g_file_new_for_path(dataFile.c_str());
  g_autoptr(GCabFile) member = gcab_file_new_with_file(memberName.c_str(), source);
  // The writer seeks back to fill in sizes, so it needs a seekable stream.
  g_autoptr(GOutputStream) out = g_memory_output_stream_new_resizable();
  const bool ok = gcab_folder_add_file(folder, member, FALSE, nullptr, &gerror) &&
                  gcab_cabinet_add_folder(cab, folder, &gerror) &&
                  gcab_cabinet_write_simple(cab, out, nullptr, nullptr, nullptr, &gerror) &&
                  g_output_stream_close(out, nullptr, &gerror);
  if (!ok) {
    if (error != nullptr) *error = Describe(gerror, "cannot write the cabinet");
    return false;
  }
  auto* memory = G_MEMORY_OUTPUT_STREAM(out);
  const auto* data = static_cast<const std::uint8_t*>(g_memory_output_stream_get_data(memory));
  cabinet.assign(data, data + g_memory_output_stream_get_data_size(memory));
  return true;
}

ExtractResult ExtractAll(const std::filesystem::path& cabinet,
                         const std::filesystem::path& destFolder) {
  ExtractResult result;
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(cabinet, bytes)) {
    result.error = "cannot read " + cabinet.string();
    return result;
  }
  const CabinetCheck check = CheckCabinet(bytes);
  if (check.status != CheckStatus::Ok) {
    result.status = check.status == CheckStatus::UnsafeName ? ExtractStatus::UnsafeName
                                                            : ExtractStatus::Unreadable;
    result.error = check.error;
    return result;
  }
  g_autoptr(GCabCabinet) cab = gcab_cabinet_new();
  if (!LoadCabinet(cabinet, cab, result.error)) return result;

  ExtractState state{destFolder.lexically_normal(), {}, false};
  g_autoptr(GFile) dest = g_file_new_for_path(state.dest.c_str());
  g_autoptr(GError) gerror = nullptr;
  const bool ok = gcab_cabinet_extract_simple(cab, dest, OnExtractMember, &state, nullptr, &gerror);
  if (state.refused) {
    result.status = ExtractStatus::UnsafeName;
    result.error = "unsafe member name";
  } else if (!ok) {
    // A decoder that rejects a block reports failure without an error object.
    result.status = ExtractStatus::WriteFailed;
    result.error = Describe(gerror, "extraction failed");
  } else {
    result.status = ExtractStatus::Ok;
    result.lastMember = state.last;
  }
  return result;
}

}  // namespace cab
