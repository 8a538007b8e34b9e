/* Runs a fuzz target over stored inputs without libFuzzer: each argument is
 * a file or a directory of files, fed to the target one by one in name
 * order. The test run replays every seed corpus this way. */
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t *data, size_t size);

namespace {

int
replay (const std::filesystem::path &path)
{
  std::ifstream in (path, std::ios::binary);
  if (!in) {
    std::fprintf (stderr, "cannot read %s\n", path.c_str ());
    return 1;
  }
  std::vector<uint8_t> bytes ((std::istreambuf_iterator<char> (in)), std::istreambuf_iterator<char> ());
  /* A copy of exactly the input's size, so a read past its end shows. */
  std::vector<uint8_t> exact (bytes);
  LLVMFuzzerTestOneInput (exact.data (), exact.size ());
  return 0;
}

}  // namespace

int
main (int argc, char **argv)
{
  int failures = 0;
  size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path path (argv[i]);
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory (path)) {
      for (const auto &entry : std::filesystem::directory_iterator (path))
        if (entry.is_regular_file ()) files.push_back (entry.path ());
    } else {
      files.push_back (path);
    }
    std::sort (files.begin (), files.end ());
    for (const auto &file : files) {
      failures += replay (file);
      ++count;
    }
  }
  std::printf ("%zu inputs replayed\n", count);
  return failures == 0 && count > 0 ? 0 : 1;
}
