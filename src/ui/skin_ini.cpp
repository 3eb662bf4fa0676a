#include "ui/skin_ini.h"

#include <memory>
#include <string>

#include "store/ini_file.h"

namespace zunda {

IniLookup OpenSkinIni(const std::filesystem::path& file) {
  auto ini = std::make_shared<const IniSnapshot>(classIniFile(file.string()));
  return [ini](const std::string& section, const std::string& key) {
    return ini->GetIniKey(section, key);
  };
}

}  // namespace zunda
