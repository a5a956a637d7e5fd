#include "transition/StoredProperties.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <map>

#include "platform/Errors.h"
#include "transition/TransitionView.h"

namespace {

[[noreturn]] void InvalidValue(const QString& name, const QString& value) {
  throw EReadError("Invalid property value \"" + value.toStdString() + "\" for " +
                   name.toStdString());
}

std::int64_t ToInteger(const QString& name, const QString& value) {
  bool ok = false;
  const std::int64_t number =
      value.startsWith('$') ? value.mid(1).toLongLong(&ok, 16) : value.toLongLong(&ok, 10);
  if (!ok) InvalidValue(name, value);
  return number;
}

int ToInt(const QString& name, const QString& value, int low, int high) {
  const std::int64_t number = ToInteger(name, value);
  if (number < low || number > high) InvalidValue(name, value);
  return static_cast<int>(number);
}

bool ToBool(const QString& name, const QString& value) {
  if (value.compare("True", Qt::CaseInsensitive) == 0) return true;
  if (value.compare("False", Qt::CaseInsensitive) == 0) return false;
  InvalidValue(name, value);
}

QString ToText(const QString& name, const QString& value) {
  if (value.size() < 2 || !value.startsWith('\'') || !value.endsWith('\'')) {
    InvalidValue(name, value);
  }
  return value.mid(1, value.size() - 2).replace("''", "'");
}

// An identifier of an enumeration: its position in names.
template <typename Enum>
Enum ToEnum(const QString& name, const QString& value, std::initializer_list<const char*> names) {
  int index = 0;
  for (const char* candidate : names) {
    if (value.compare(candidate, Qt::CaseInsensitive) == 0) return static_cast<Enum>(index);
    ++index;
  }
  InvalidValue(name, value);
}

TColor ToColor(const QString& name, const QString& value) {
  static const std::map<QString, TColor> kNames = {{"clblack", clBlack},
                                                   {"clwhite", clWhite},
                                                   {"clactiveborder", clActiveBorder},
                                                   {"clbtnface", clBtnFace}};
  if (const auto it = kNames.find(value.toLower()); it != kNames.end()) return it->second;
  return static_cast<TColor>(ToInt(name, value, INT32_MIN, INT32_MAX));
}

using Writer = std::function<void(TCustomTransitionView&, const QString& name, const QString& value,
                                  const QString& baseFolder)>;

template <typename Setter>
Writer BoolWriter(Setter setter) {
  return [setter](TCustomTransitionView& view, const QString& name, const QString& value,
                  const QString&) { (view.*setter)(ToBool(name, value)); };
}

void LoadPicture(TPicture& picture, const QString& name, const QString& value,
                 const QString& baseFolder) {
  const QString file = ToText(name, value);
  picture.LoadFromFile(QDir(baseFolder).filePath(file));
}

const std::map<QString, Writer>& Writers() {
  using V = TCustomTransitionView;
  static const std::map<QString, Writer> kWriters = {
      {"align",
       [](V& v, const QString& n, const QString& x, const QString&) {
         v.SetAlign(ToEnum<TAlign>(
             n, x, {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}));
       }},
      {"autosize", BoolWriter(&V::SetAutoSize)},
      {"bgmode",
       [](V& v, const QString& n, const QString& x, const QString&) {
         v.SetBgMode(
             ToEnum<TBackgroundMode>(n, x, {"bmNone", "bmTiled", "bmStretched", "bmCentered"}));
       }},
      {"bgpicture", [](V& v, const QString& n, const QString& x,
                       const QString& base) { LoadPicture(v.BgPicture(), n, x, base); }},
      {"center", BoolWriter(&V::SetCenter)},
      {"color",
       [](V& v, const QString& n, const QString& x, const QString&) { v.SetColor(ToColor(n, x)); }},
      {"delay",
       [](V& v, const QString& n, const QString& x, const QString&) {
         v.SetDelay(static_cast<std::uint16_t>(ToInt(n, x, 0, 65535)));
       }},
      {"enabled", BoolWriter(&V::setEnabled)},
      {"exacttiming", BoolWriter(&V::SetExactTiming)},
      {"framecolor", [](V& v, const QString& n, const QString& x,
                        const QString&) { v.SetFrameColor(ToColor(n, x)); }},
      {"framewidth", [](V& v, const QString& n, const QString& x,
                        const QString&) { v.SetFrameWidth(ToInt(n, x, 0, INT32_MAX)); }},
      {"height", [](V& v, const QString& n, const QString& x,
                    const QString&) { v.resize(v.width(), ToInt(n, x, 0, QWIDGETSIZE_MAX)); }},
      {"left", [](V& v, const QString& n, const QString& x,
                  const QString&) { v.move(ToInt(n, x, INT32_MIN, INT32_MAX), v.y()); }},
      {"manual", BoolWriter(&V::SetManual)},
      {"overdraw", BoolWriter(&V::SetOverDraw)},
      {"picture", [](V& v, const QString& n, const QString& x,
                     const QString& base) { LoadPicture(v.Picture(), n, x, base); }},
      {"proportional", BoolWriter(&V::SetProportional)},
      {"reverse", BoolWriter(&V::SetReverse)},
      {"step", [](V& v, const QString& n, const QString& x,
                  const QString&) { v.SetStep(ToInt(n, x, 0, 65535)); }},
      {"stretch", BoolWriter(&V::SetStretch)},
      {"stretchfine", BoolWriter(&V::SetProportional)},
      {"style", [](V& v, const QString& n, const QString& x,
                   const QString&) { v.SetStyle(ToInt(n, x, 0, 255)); }},
      {"threaded", BoolWriter(&V::SetThreaded)},
      {"threadpriority",
       [](V& v, const QString& n, const QString& x, const QString&) {
         v.SetThreadPriority(ToEnum<TThreadPriority>(n, x,
                                                     {"tpIdle", "tpLowest", "tpLower", "tpNormal",
                                                      "tpHigher", "tpHighest", "tpTimeCritical"}));
       }},
      {"top", [](V& v, const QString& n, const QString& x,
                 const QString&) { v.move(v.x(), ToInt(n, x, INT32_MIN, INT32_MAX)); }},
      {"visible", BoolWriter(&V::setVisible)},
      {"width", [](V& v, const QString& n, const QString& x,
                   const QString&) { v.resize(ToInt(n, x, 0, QWIDGETSIZE_MAX), v.height()); }},
  };
  return kWriters;
}

}  // namespace

TStoredProperties ParseStoredProperties(const QString& text) {
  TStoredProperties properties;
  const QStringList lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith("//")) continue;
    const qsizetype equals = line.indexOf('=');
    const QString name = line.left(equals).trimmed();
    const QString value = line.mid(equals + 1).trimmed();
    if (equals < 0 || name.isEmpty() || value.isEmpty()) {
      throw EReadError("Line " + std::to_string(i + 1) + ": expected Name = Value");
    }
    properties.emplace_back(name, value);
  }
  return properties;
}

void ReadStoredProperties(TCustomTransitionView& view, const TStoredProperties& properties,
                          const QString& baseFolder) {
  for (const auto& [name, value] : properties) {
    const auto it = Writers().find(name.toLower());
    if (it == Writers().end()) {
      throw EReadError("Property " + name.toStdString() + " does not exist");
    }
    it->second(view, name, value, baseFolder);
  }
}

void LoadStoredProperties(TCustomTransitionView& view, const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    throw EFOpenError("Cannot open file \"" + fileName.toStdString() + "\"");
  }
  const QString text = QString::fromUtf8(file.readAll());
  ReadStoredProperties(view, ParseStoredProperties(text), QFileInfo(fileName).absolutePath());
}
