#pragma once

// A minimal INI reader for the tests only: the program reads its INI files through its own
// INI class, which the skin code reaches through the IniOpener it is given.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "ui/skins.h"

namespace zunda::testing {

inline IniLookup ReadTestIni(const std::filesystem::path& file) {
  auto values = std::make_shared<std::map<std::string, std::string>>();
  QFile in(QString::fromStdString(file.string()));
  if (in.open(QIODevice::ReadOnly)) {
    std::string section;
    for (const QByteArray& raw : in.readAll().split('\n')) {
      const QString line = QString::fromUtf8(raw).trimmed();
      if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        section = line.mid(1, line.size() - 2).toLower().toStdString();
      } else if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq > 0) {
        (*values)[section + "|" + line.left(eq).trimmed().toLower().toStdString()] =
            line.mid(eq + 1).trimmed().toStdString();
      }
    }
  }
  return [values](const std::string& section, const std::string& key) {
    const auto lower = [](const std::string& s) {
      return QString::fromStdString(s).toLower().toStdString();
    };
    const auto found = values->find(lower(section) + "|" + lower(key));
    return found == values->end() ? std::string() : found->second;
  };
}

}  // namespace zunda::testing
