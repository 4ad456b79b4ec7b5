// Turns the readable constants source (NAME=text lines, ';' comments, '\'
// escapes as in language files) into the stored stream of the built-in
// constants, and optionally into a C++ file that embeds the same bytes.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: constgen constants.txt out.bin [out.cpp]\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "constgen: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::vector<std::pair<std::string, std::string>> entries;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    entries.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
  std::vector<std::uint8_t> out{3, 1};
  auto n = static_cast<std::uint32_t>(entries.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
  for (auto& [name, value] : entries) {
    Put16(out, name.size());
    for (char c : name) Put16(out, static_cast<unsigned char>(c));
    Put16(out, value.size());
    for (char c : value) Put16(out, static_cast<unsigned char>(c));
  }
  std::ofstream(argv[2], std::ios::binary).write(reinterpret_cast<const char*>(out.data()),
                                                 static_cast<std::streamsize>(out.size()));
  if (argc > 3) {
    std::ofstream cpp(argv[3]);
    cpp << "#include <cstdint>\n#include <span>\nnamespace zt {\nnamespace {\nconst std::uint8_t kData[] = {";
    for (auto b : out) cpp << static_cast<int>(b) << ',';
    cpp << "};\n}\nstd::span<const std::uint8_t> BuiltinConstantsStream() { return kData; }\n}\n";
  }
  return 0;
}
