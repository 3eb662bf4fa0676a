#include "smf_writer.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <tuple>

namespace zunda::music_tool {

namespace {

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
  }
}

void PutVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1)
    out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
  out.push_back(groups[0]);
}

struct Event {
  int Tick = 0;
  int Order = 0;  // at one tick: set-up first, then note-offs, then note-ons
  std::vector<std::uint8_t> Bytes;
};

void AppendChunk(std::vector<std::uint8_t>& out, const char* tag,
                 const std::vector<std::uint8_t>& body) {
  out.insert(out.end(), tag, tag + 4);
  PutBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
}

std::vector<std::uint8_t> EncodeTrack(std::vector<Event> events) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.Tick, a.Order) < std::tie(b.Tick, b.Order);
  });
  std::vector<std::uint8_t> body;
  int now = 0;
  for (const Event& event : events) {
    PutVarLen(body, static_cast<std::uint32_t>(event.Tick - now));
    body.insert(body.end(), event.Bytes.begin(), event.Bytes.end());
    now = event.Tick;
  }
  body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
  return body;
}

Event TextMeta(int type, const std::string& text) {
  Event event{0, 0, {0xFF, static_cast<std::uint8_t>(type)}};
  PutVarLen(event.Bytes, static_cast<std::uint32_t>(text.size()));
  event.Bytes.insert(event.Bytes.end(), text.begin(), text.end());
  return event;
}

std::uint8_t Byte(int value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

std::vector<std::uint8_t> EncodeSmf(const Song& song) {
  std::vector<std::uint8_t> file;
  std::vector<std::uint8_t> header;
  PutBigEndian(header, 1, 2);  // format 1
  PutBigEndian(header, static_cast<std::uint32_t>(song.Parts.size() + 1), 2);
  PutBigEndian(header, kTicksPerQuarter, 2);
  AppendChunk(file, "MThd", header);

  std::vector<Event> conductor{TextMeta(0x03, song.Title)};
  conductor.push_back({0, 0, {0xFF, 0x58, 0x04, Byte(song.BeatsPerBar), 0x02, 0x18, 0x08}});
  const auto microsPerBeat = static_cast<std::uint32_t>(60'000'000 / song.BeatsPerMinute);
  conductor.push_back({0, 0, {0xFF, 0x51, 0x03}});
  PutBigEndian(conductor.back().Bytes, microsPerBeat, 3);
  AppendChunk(file, "MTrk", EncodeTrack(conductor));

  for (const Part& part : song.Parts) {
    const int channel = part.Channel & 0x0F;
    std::vector<Event> events{TextMeta(0x03, part.Name)};
    if (channel != 9) events.push_back({0, 0, {Byte(0xC0 | channel), Byte(part.Program)}});
    events.push_back({0, 0, {Byte(0xB0 | channel), 7, Byte(part.Volume)}});
    events.push_back({0, 0, {Byte(0xB0 | channel), 10, Byte(part.Pan)}});
    events.push_back({0, 0, {Byte(0xB0 | channel), 91, Byte(part.Reverb)}});
    for (const Note& note : part.Notes) {
      events.push_back(
          {note.Start, 2, {Byte(0x90 | channel), Byte(note.Key), Byte(note.Velocity)}});
      events.push_back({note.Start + note.Length, 1, {Byte(0x80 | channel), Byte(note.Key), 0}});
    }
    AppendChunk(file, "MTrk", EncodeTrack(std::move(events)));
  }
  return file;
}

int KeyOf(std::string_view name) {
  static constexpr int kPitchClass[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') {
    throw std::invalid_argument("bad note name: " + std::string(name));
  }
  int key = kPitchClass[name[0] - 'A'];
  std::size_t at = 1;
  if (name[at] == '#')
    ++key, ++at;
  else if (name[at] == 'b')
    --key, ++at;
  if (at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[at]))) {
    throw std::invalid_argument("bad note name: " + std::string(name));
  }
  return key + 12 * (name[at] - '0' + 1);
}

int AddMelody(Part& part, std::string_view text, int start, int velocity) {
  int tick = start;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view token = text.substr(at, end - at);
    at = end + 1;
    if (token.empty() || token == "|") continue;
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos) {
      throw std::invalid_argument("token without length: " + std::string(token));
    }
    const int eighths = std::stoi(std::string(token.substr(colon + 1)));
    const std::string_view pitch = token.substr(0, colon);
    const int length = eighths * kTicksPerEighth;
    if (pitch != "r") {
      // A slight gap keeps repeated notes apart, as a player would breathe.
      part.Notes.push_back({tick, length - kTicksPerEighth / 8, KeyOf(pitch), velocity});
    }
    tick += length;
  }
  return tick;
}

}  // namespace zunda::music_tool
