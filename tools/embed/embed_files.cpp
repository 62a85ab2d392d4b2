// Writes a C++ source that holds the bytes of files as constant arrays, each behind a
// function in hc::builtin::embedded:
//   hc_embed_files <output.cpp> <Function>=<file> ...

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteArray(std::ostream& out, const std::string& function, const std::string& path) {
  const std::vector<unsigned char> bytes = ReadAll(path);
  if (bytes.empty()) throw std::runtime_error(path + " is empty");
  out << "\nstd::span<const std::uint8_t> " << function << "() {\n"
      << "  static const std::uint8_t kBytes[" << bytes.size() << "] = {";
  // Plain decimals, no spaces: the compiler reads megabytes of these.
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) {
      out << line << '\n';
      line.clear();
    }
    line += std::to_string(bytes[i]);
    line += ',';
  }
  out << line << "\n  };\n  return kBytes;\n}\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: " << argv[0] << " <output.cpp> <Function>=<file> ...\n";
    return 2;
  }
  try {
    std::ostringstream out;
    out << "// Made by hc_embed_files at build time; edits are lost.\n"
        << "#include <cstdint>\n#include <span>\n\nnamespace hc::builtin::embedded {\n";
    for (int i = 2; i < argc; ++i) {
      const std::string argument = argv[i];
      const auto equals = argument.find('=');
      if (equals == std::string::npos || equals == 0) {
        throw std::runtime_error("expected <Function>=<file>, got " + argument);
      }
      WriteArray(out, argument.substr(0, equals), argument.substr(equals + 1));
    }
    out << "\n}  // namespace hc::builtin::embedded\n";
    // Written whole or not at all, so a failed run leaves no half file for the compiler.
    const std::string output = argv[1];
    const std::string partial = output + ".part";
    {
      std::ofstream file(partial, std::ios::binary);
      file << out.str();
      if (!file) throw std::runtime_error("cannot write " + partial);
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
      throw std::runtime_error("cannot replace " + output);
    }
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
