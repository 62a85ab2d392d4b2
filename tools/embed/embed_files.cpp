// Writes a C++ source that holds the bytes of files, each behind a function in
// hc::builtin::embedded:
//   hc_embed_files <output.cpp> <Function>=<file> ...
// The assembler reads the files in (.incbin), so the compiler never parses megabytes of
// numbers. Each file's size and hash are written beside it: the source changes whenever a
// file does, and the object is made again.

#include <cstdint>
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

// FNV-1a, 64 bits: enough to tell one version of a file from the next.
std::uint64_t Hash(const std::vector<unsigned char>& bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char b : bytes) h = (h ^ b) * 1099511628211ull;
  return h;
}

// The path as the assembler's quoted string, inside the C++ string of the asm statement.
std::string Quoted(const std::string& path) {
  // Characters that would need escaping twice over are not in the build's own paths.
  if (path.find_first_of("\\\"\n") != std::string::npos)
    throw std::runtime_error("cannot embed a file whose path holds \\, \" or a line end: " + path);
  return "\\\"" + path + "\\\"";
}

void WriteEmbedded(std::ostream& out, const std::string& function, const std::string& path) {
  const std::vector<unsigned char> bytes = ReadAll(path);
  if (bytes.empty()) throw std::runtime_error(path + " is empty");
  const std::string label = "hc_embedded_" + function;
  // Back in .text afterwards, as the compiler expects after a statement of its own: COFF
  // assemblers know no section stack.
  out << "\n// " << bytes.size() << " bytes, hash " << std::hex << Hash(bytes) << std::dec
      << "\nasm(HC_READ_ONLY_SECTION\n    \".balign 16\\n\"\n    \"" << label
      << ":\\n\"\n    \".incbin " << Quoted(path) << "\\n\"\n    \"" << label
      << "_end:\\n\"\n    \".text\\n\");\n"
      << "extern \"C\" const std::uint8_t " << label << "[], " << label << "_end[];\n"
      << "std::span<const std::uint8_t> hc::builtin::embedded::" << function << "() {\n"
      << "  return {" << label << ", " << label << "_end};\n}\n";
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
        << "#include <cstdint>\n#include <span>\n\n"
        << "#if defined(_WIN32)\n#define HC_READ_ONLY_SECTION \".section .rdata,\\\"dr\\\"\\n\"\n"
        << "#else\n#define HC_READ_ONLY_SECTION \".section .rodata\\n\"\n#endif\n";
    for (int i = 2; i < argc; ++i) {
      const std::string argument = argv[i];
      const auto equals = argument.find('=');
      if (equals == std::string::npos || equals == 0) {
        throw std::runtime_error("expected <Function>=<file>, got " + argument);
      }
      const std::string function = argument.substr(0, equals);
      out << "namespace hc::builtin::embedded {\nstd::span<const std::uint8_t> " << function
          << "();\n}\n";
      WriteEmbedded(out, function, argument.substr(equals + 1));
    }
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
