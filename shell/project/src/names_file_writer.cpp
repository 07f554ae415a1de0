#include "korvex/project/names_file_writer.h"

namespace korvex::project {
namespace {

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

}  // namespace

std::string with_extension(const std::string& path, const std::string& ext) {
  const auto sep = path.find_last_of("/\\");
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return path + ext;
  return path.substr(0, dot) + ext;
}

void write_names_file(std::ostream& out, const std::string& data_file,
                      const UserIdentification& user) {
  out << kVersionText << '\n'
      << user.name << '\n'
      << trim(user.organization) << ", " << trim(user.location) << '\n'
      << user.number << '\n'
      << data_file << '\n'
      << with_extension(data_file, ".kv5o") << '\n'
      << with_extension(data_file, ".kv5p") << '\n'
      << with_extension(data_file, ".kv5r") << '\n';
}

}  // namespace korvex::project
